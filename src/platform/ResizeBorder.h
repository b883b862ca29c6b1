#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>
#include <functional>

class QMouseEvent;
class QWidget;

// Resizing of a frameless top-level window by the border of its frame widget (the strip of the
// given width inside the frame's edges that its children leave free): the border shows the
// resize cursors, and a left press there starts the platform's resize, or, where the platform
// cannot, resizes the window itself while the button is held, within its size limits.
class ResizeBorder : public QObject {
    Q_OBJECT
public:
    ResizeBorder(QWidget* window, QWidget* frame, int width, std::function<bool()> enabled, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The edges grabbed at a point of the frame; none inside or while resizing is not enabled.
    Qt::Edges EdgesAt(QPoint framePos) const;
    bool HandleFrameEvent(QEvent* event);
    void ShowCursorFor(Qt::Edges edges);
    bool Press(const QMouseEvent& event);
    QRect ResizedGeometry(QPoint cursor) const;

    QWidget* window_;
    QWidget* frame_;
    int width_;
    std::function<bool()> enabled_;
    Qt::Edges dragEdges_;  // edges being dragged by our own resize
    QPoint dragStart_;
    QRect startGeometry_;
};
