#include "ResizeBorder.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

// On the border, this near to a side the side is grabbed too (the corners).
constexpr int kCornerReach = 16;

int Limited(int size, int low, int high)
{
    return std::max(low, std::min(size, high));
}

Qt::CursorShape CursorFor(Qt::Edges edges)
{
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool falling = edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge);
        return falling ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    return horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor;
}

}  // namespace

ResizeBorder::ResizeBorder(QWidget* window, QWidget* frame, int width, std::function<bool()> enabled,
                           QObject* parent)
    : QObject(parent), window_(window), frame_(frame), width_(width), enabled_(std::move(enabled))
{
    frame_->setMouseTracking(true);
    frame_->installEventFilter(this);
    // The frame's cursor is inherited by its children, so it is dropped when one is entered.
    for (QWidget* child : frame_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->installEventFilter(this);
}

Qt::Edges ResizeBorder::EdgesAt(QPoint framePos) const
{
    const int x = framePos.x();
    const int y = framePos.y();
    const int right = frame_->width() - 1;
    const int bottom = frame_->height() - 1;
    const bool onBorder = x < width_ || y < width_ || x > right - width_ || y > bottom - width_;
    if (!onBorder || !frame_->rect().contains(framePos) || !enabled_())
        return {};
    // Every side within reach is grabbed, so the ends of each side grab the corner.
    Qt::Edges edges;
    edges.setFlag(Qt::LeftEdge, x < kCornerReach);
    edges.setFlag(Qt::RightEdge, x > right - kCornerReach);
    edges.setFlag(Qt::TopEdge, y < kCornerReach);
    edges.setFlag(Qt::BottomEdge, y > bottom - kCornerReach);
    return edges;
}

bool ResizeBorder::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == frame_)
        return HandleFrameEvent(event);
    if (event->type() == QEvent::Enter && !dragEdges_)
        frame_->unsetCursor();
    return false;
}

bool ResizeBorder::HandleFrameEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        const auto& mouse = static_cast<const QMouseEvent&>(*event);
        if (dragEdges_) {
            window_->setGeometry(ResizedGeometry(mouse.globalPosition().toPoint()));
            return true;
        }
        ShowCursorFor(EdgesAt(mouse.position().toPoint()));
        return false;
    }
    case QEvent::MouseButtonPress:
        return Press(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease:
        return std::exchange(dragEdges_, {}) != Qt::Edges();
    case QEvent::Leave:
        if (!dragEdges_)
            frame_->unsetCursor();
        return false;
    default:
        return false;
    }
}

void ResizeBorder::ShowCursorFor(Qt::Edges edges)
{
    if (edges)
        frame_->setCursor(CursorFor(edges));
    else
        frame_->unsetCursor();
}

bool ResizeBorder::Press(const QMouseEvent& event)
{
    const Qt::Edges edges = event.button() == Qt::LeftButton ? EdgesAt(event.position().toPoint()) : Qt::Edges();
    if (!edges)
        return false;
    QWindow* handle = window_->windowHandle();
    if (handle && handle->startSystemResize(edges))
        return true;
    dragEdges_ = edges;
    dragStart_ = event.globalPosition().toPoint();
    startGeometry_ = window_->geometry();
    return true;
}

// The start geometry with the dragged edges moved by the cursor, within the window's size limits;
// the edges opposite the dragged ones stay where they were.
QRect ResizeBorder::ResizedGeometry(QPoint cursor) const
{
    const QPoint delta = cursor - dragStart_;
    int width = startGeometry_.width();
    int height = startGeometry_.height();
    width += (dragEdges_ & Qt::RightEdge) ? delta.x() : (dragEdges_ & Qt::LeftEdge) ? -delta.x() : 0;
    height += (dragEdges_ & Qt::BottomEdge) ? delta.y() : (dragEdges_ & Qt::TopEdge) ? -delta.y() : 0;
    const QSize low = window_->minimumSize();
    const QSize high = window_->maximumSize();
    QRect geometry(startGeometry_.topLeft(), QSize(Limited(width, low.width(), high.width()),
                                                   Limited(height, low.height(), high.height())));
    if (dragEdges_ & Qt::LeftEdge)
        geometry.moveRight(startGeometry_.right());
    if (dragEdges_ & Qt::TopEdge)
        geometry.moveBottom(startGeometry_.bottom());
    return geometry;
}
