#include "SkSplitter.h"

#include "ControlGeometry.h"
#include "CursorTable.h"

#include <QMouseEvent>

namespace {

constexpr int kMinSize = 30;

}  // namespace

TSkSplitter::TSkSplitter(QWidget* parent) : QFrame(parent)
{
    resize(3, height());
    setCursor(CursorTable::Cursor(CursorTable::crHSplit));
    ControlGeometry::Of(this)->SetAlign(Align::Left);
}

Align TSkSplitter::Edge()
{
    return ControlGeometry::Of(this)->GetAlign();
}

// Docked to the left or right, the splitter changes widths; otherwise heights.
bool TSkSplitter::AcrossWidth()
{
    const Align edge = Edge();
    return edge == Align::Left || edge == Align::Right;
}

int TSkSplitter::Length(const QWidget* control)
{
    return AcrossWidth() ? control->width() : control->height();
}

// The shown, enabled control of the same edge whose far side touches the splitter's near side.
QWidget* TSkSplitter::FindNeighbour()
{
    const Align edge = Edge();
    QPoint touch = pos();
    switch (edge) {
    case Align::Left:
        touch.rx() -= 1;
        break;
    case Align::Right:
        touch.rx() += width();
        break;
    case Align::Top:
        touch.ry() -= 1;
        break;
    case Align::Bottom:
        touch.ry() += height();
        break;
    default:
        return nullptr;
    }
    for (auto* sibling : parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (sibling != this && !sibling->isWindow() && !sibling->isHidden() && sibling->isEnabled()
            && sibling->geometry().contains(touch) && ControlGeometry::Of(sibling)->GetAlign() == edge)
            return sibling;
    }
    return nullptr;
}

// The neighbour may take what the shown controls docked across the drag axis leave over, less
// the minimum size.
int TSkSplitter::MaxNeighbourSize()
{
    const QWidget* parent = parentWidget();
    int free = Length(parent) - kMinSize + Length(neighbour_);
    for (auto* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (sibling->isWindow() || sibling->isHidden())
            continue;
        const Align align = ControlGeometry::Of(sibling)->GetAlign();
        const bool across = AcrossWidth() ? align == Align::Left || align == Align::Right
                                          : align == Align::Top || align == Align::Bottom;
        if (across)
            free -= Length(sibling);
    }
    return free;
}

// The split cursor follows the edge, unless the scene gave the splitter another cursor.
void TSkSplitter::UpdateCursor()
{
    const Qt::CursorShape shape = cursor().shape();
    if (shape != Qt::SplitHCursor && shape != Qt::SplitVCursor)
        return;
    setCursor(CursorTable::Cursor(AcrossWidth() ? CursorTable::crHSplit : CursorTable::crVSplit));
}

void TSkSplitter::enterEvent(QEnterEvent* event)
{
    UpdateCursor();
    QFrame::enterEvent(event);
}

// The splitter takes its mouse events itself, so that they do not reach its parent.
void TSkSplitter::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !parentWidget())
        return;
    neighbour_ = FindNeighbour();
    if (!neighbour_)
        return;
    const QPoint global = event->globalPosition().toPoint();
    dragStart_ = AcrossWidth() ? global.x() : global.y();
    startSize_ = Length(neighbour_);
    maxSize_ = MaxNeighbourSize();
}

void TSkSplitter::mouseMoveEvent(QMouseEvent* event)
{
    if (!neighbour_)
        return;
    const QPoint global = event->globalPosition().toPoint();
    const int moved = (AcrossWidth() ? global.x() : global.y()) - dragStart_;
    const Align edge = Edge();
    int size = startSize_ + (edge == Align::Left || edge == Align::Top ? moved : -moved);
    if (size > maxSize_)
        size = maxSize_;
    if (size < kMinSize)
        size = kMinSize;
    ControlGeometry* geometry = ControlGeometry::Of(neighbour_);
    if (AcrossWidth())
        geometry->SetWidth(size);
    else
        geometry->SetHeight(size);
}

void TSkSplitter::mouseReleaseEvent(QMouseEvent*)
{
    neighbour_ = nullptr;
}
