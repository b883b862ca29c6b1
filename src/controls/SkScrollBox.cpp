#include "SkScrollBox.h"

#include "ControlGeometry.h"

#include <QChildEvent>
#include <QEvent>

namespace {

// Shown children that are not docked set the content's extent; docked ones follow it.
bool SetsRange(QWidget* child)
{
    if (child->isWindow() || child->isHidden())
        return false;
    const Align align = ControlGeometry::Of(child)->GetAlign();
    return align == Align::None || align == Align::Custom;
}

}  // namespace

TSkScrollBox::TSkScrollBox(QWidget* parent) : QScrollArea(parent)
{
    setWidget(new QWidget);
    widget()->installEventFilter(this);
}

// Watches the content for children coming and going, and each child for changes of its place.
bool TSkScrollBox::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (watched == widget()) {
        if (type == QEvent::ChildAdded)
            static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
        else if (type == QEvent::ChildRemoved)
            UpdateRange();
    } else if (watched->parent() == widget()
               && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::ShowToParent
                   || type == QEvent::HideToParent)) {
        UpdateRange();
    }
    return QScrollArea::eventFilter(watched, event);
}

void TSkScrollBox::resizeEvent(QResizeEvent* event)
{
    QScrollArea::resizeEvent(event);
    UpdateRange();
}

void TSkScrollBox::UpdateRange()
{
    QWidget* content = widget();
    QSize size = viewport()->size();
    for (auto* child : content->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (SetsRange(child))
            size = size.expandedTo(QSize(child->geometry().right() + 1, child->geometry().bottom() + 1));
    }
    content->resize(size);
}
