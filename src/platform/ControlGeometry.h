#pragma once

#include "Align.h"

#include <QFlags>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

// The placement rules every control of a scene follows beyond what Qt gives: docking to an edge
// of its parent (Align), anchors that keep its distances to the parent's edges when the parent
// is resized, and size constraints.
//
// One object is attached to a widget on first use. It watches the widget: when the widget is
// resized it re-arranges the widget's docked and anchored children; when the widget is docked
// and is shown, hidden, moved or resized by other code, it re-arranges the widget's parent.
//
// Docking works on the parent's contents rectangle: controls docked to the top are stacked from
// the top down, then those docked to the bottom from the bottom up, then left, then right, and
// the client controls fill what remains. On each edge the controls follow their current
// position (outermost first), ties in creation order; a control docked anew goes after those
// already docked to its edge. Hidden controls take no room but keep their place in that order.
class ControlGeometry : public QObject {
    Q_OBJECT
public:
    enum class Anchor { Left = 1, Top = 2, Right = 4, Bottom = 8 };
    Q_DECLARE_FLAGS(Anchors, Anchor)

    // Limits for every size the control is given; 0 means no limit.
    struct Constraints {
        int minWidth = 0;
        int minHeight = 0;
        int maxWidth = 0;
        int maxHeight = 0;
    };

    // The control's geometry object, attached on first use.
    static ControlGeometry* Of(QWidget* control);

    Align GetAlign() const;
    // Changing the alignment also gives the control the anchors of its new alignment.
    void SetAlign(Align align);

    Anchors GetAnchors() const;
    // The parent's current size and the control's current bounds become the reference that
    // the anchors keep.
    void SetAnchors(Anchors anchors);

    const Constraints& GetConstraints() const { return constraints_; }
    void SetConstraints(const Constraints& constraints);

    // Moves and sizes the control (within its constraints) and makes the result the reference
    // for its anchors; a docked control then takes its place in the parent's docking again.
    void SetBounds(const QRect& bounds);
    void SetLeft(int left);
    void SetTop(int top);
    void SetWidth(int width);
    void SetHeight(int height);

    // Re-arranges the docked and anchored children of the control.
    void Realign();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit ControlGeometry(QWidget* control);

    static ControlGeometry* Find(const QWidget* control);
    static std::vector<ControlGeometry*> DockedTo(Align edge,
                                                  const std::vector<ControlGeometry*>& children,
                                                  const QWidget* newlyDocked);

    QWidget* Container() const;
    bool Docked() const;
    std::vector<ControlGeometry*> ChildGeometries() const;

    void Arrange(const QWidget* newlyDocked);
    void RealignParent(const QWidget* newlyDocked);
    int DockingPosition() const;
    QRect DockTarget(const QRect& space) const;
    void Dock(QRect& space);
    void FollowAnchors();
    void RecordAnchorReference();
    void ChangedFromOutside();
    void Place(const QRect& bounds);
    QSize Clamp(const QSize& size) const;

    QWidget* control_;
    Align align_ = Align::None;
    Anchors anchors_ = {Anchor::Left, Anchor::Top};
    Constraints constraints_;
    // The parent's client size when the anchors were recorded (empty: the anchors keep nothing)
    // and, per axis, what they keep: the length when held by both edges, the start when held by
    // the far edge alone, the centre when held by neither (relative to the client area).
    QSize referenceSize_;
    QPoint anchorRule_;
    bool placing_ = false;
    bool arranging_ = false;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(ControlGeometry::Anchors)
