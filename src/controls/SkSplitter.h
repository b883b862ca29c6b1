#pragma once

#include "ActionBearing.h"
#include "Align.h"
#include "ShownToggle.h"

#include <QFrame>
#include <QPointer>

// A splitter of a scene: a thin bar docked to an edge of its parent (to the left, 3 pixels wide,
// at the start). Dragging it resizes the visible, enabled control docked to the same edge right
// before it, live, keeping that control at least 30 pixels and leaving at least 30 pixels of
// the parent's width (height) to the controls not docked to those edges. Its action text is
// kept but nothing runs it.
class TSkSplitter : public QFrame, public ActionBearing, public ShownToggle<TSkSplitter> {
    Q_OBJECT
public:
    explicit TSkSplitter(QWidget* parent = nullptr);

protected:
    void enterEvent(QEnterEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The helpers attach geometry objects to the controls they look at, so none is const.
    Align Edge();
    bool AcrossWidth();
    int Length(const QWidget* control);
    QWidget* FindNeighbour();
    int MaxNeighbourSize();
    void UpdateCursor();

    QPointer<QWidget> neighbour_;  // the control being resized while a drag lasts
    int dragStart_ = 0;            // global mouse position along the drag axis
    int startSize_ = 0;
    int maxSize_ = 0;
};
