#include "ControlGeometry.h"

#include <QEvent>
#include <QScopedValueRollback>
#include <QWidget>
#include <algorithm>
#include <iterator>
#include <cmath>
#include <utility>

namespace {

using Anchor = ControlGeometry::Anchor;
using Anchors = ControlGeometry::Anchors;

// The anchors a control gets with each alignment: the edges it is docked against.
Anchors NaturalAnchors(Align align)
{
    switch (align) {
    case Align::Top:
        return {Anchor::Left, Anchor::Top, Anchor::Right};
    case Align::Bottom:
        return {Anchor::Left, Anchor::Right, Anchor::Bottom};
    case Align::Left:
        return {Anchor::Left, Anchor::Top, Anchor::Bottom};
    case Align::Right:
        return {Anchor::Right, Anchor::Top, Anchor::Bottom};
    case Align::Client:
        return {Anchor::Left, Anchor::Top, Anchor::Right, Anchor::Bottom};
    case Align::None:
    case Align::Custom:
        break;
    }
    return {Anchor::Left, Anchor::Top};
}

int ClampLength(int length, int minimum, int maximum)
{
    if (maximum > 0)
        length = std::min(length, maximum);
    if (minimum > 0)
        length = std::max(length, minimum);
    return std::max(length, 0);
}

// What the anchors of one axis keep of a control at `start` (relative to the parent's client
// area) with `length`.
int AxisRule(bool nearEdge, bool farEdge, int start, int length)
{
    if (farEdge)
        return nearEdge ? length : start;
    return start + length / 2;
}

// The control's new start and length on one axis once the parent's client length went from
// `referenceLength` to `parentLength`.
std::pair<int, int> FollowAxis(bool nearEdge, bool farEdge, int rule, int referenceLength,
                               int parentLength, int start, int length)
{
    const int growth = parentLength - referenceLength;
    if (nearEdge && farEdge)
        return {start, rule + growth};
    if (farEdge)
        return {rule + growth, length};
    if (!nearEdge) {
        const double centre = double(rule) * parentLength / referenceLength;
        return {int(std::lround(centre)) - length / 2, length};
    }
    return {start, length};
}

}  // namespace

ControlGeometry::ControlGeometry(QWidget* control) : QObject(control), control_(control)
{
    control->installEventFilter(this);
}

ControlGeometry* ControlGeometry::Of(QWidget* control)
{
    if (ControlGeometry* existing = Find(control))
        return existing;
    return new ControlGeometry(control);
}

ControlGeometry* ControlGeometry::Find(const QWidget* control)
{
    return control->findChild<ControlGeometry*>(QString(), Qt::FindDirectChildrenOnly);
}

Align ControlGeometry::GetAlign() const
{
    return align_;
}

void ControlGeometry::SetAlign(Align align)
{
    const bool changed = align != align_;
    if (changed) {
        align_ = align;
        SetAnchors(NaturalAnchors(align));
    }
    RealignParent(changed ? control_ : nullptr);
}

ControlGeometry::Anchors ControlGeometry::GetAnchors() const
{
    return anchors_;
}

void ControlGeometry::SetAnchors(Anchors anchors)
{
    anchors_ = anchors;
    RecordAnchorReference();
}

void ControlGeometry::SetConstraints(const Constraints& constraints)
{
    constraints_ = constraints;
    SetBounds(control_->geometry());
}

void ControlGeometry::SetBounds(const QRect& bounds)
{
    Place(bounds);
    RecordAnchorReference();
    if (Docked())
        RealignParent(nullptr);
}

void ControlGeometry::SetLeft(int left)
{
    SetBounds(control_->geometry().translated(left - control_->x(), 0));
}

void ControlGeometry::SetTop(int top)
{
    SetBounds(control_->geometry().translated(0, top - control_->y()));
}

void ControlGeometry::SetWidth(int width)
{
    SetBounds(QRect(control_->pos(), QSize(width, control_->height())));
}

void ControlGeometry::SetHeight(int height)
{
    SetBounds(QRect(control_->pos(), QSize(control_->width(), height)));
}

void ControlGeometry::Realign()
{
    Arrange(nullptr);
}

bool ControlGeometry::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != control_)
        return false;
    switch (event->type()) {
    case QEvent::Resize:
        if (!placing_) {
            Realign();
            ChangedFromOutside();
        }
        break;
    case QEvent::Move:
        if (!placing_)
            ChangedFromOutside();
        break;
    case QEvent::ParentChange:
        ChangedFromOutside();
        break;
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (Docked())
            RealignParent(nullptr);
        break;
    case QEvent::ChildRemoved:
        Realign();
        break;
    default:
        break;
    }
    return false;
}

QWidget* ControlGeometry::Container() const
{
    return control_->isWindow() ? nullptr : control_->parentWidget();
}

bool ControlGeometry::Docked() const
{
    return align_ != Align::None && align_ != Align::Custom;
}

std::vector<ControlGeometry*> ControlGeometry::ChildGeometries() const
{
    std::vector<ControlGeometry*> geometries;
    for (QObject* child : control_->children()) {
        const auto* widget = qobject_cast<QWidget*>(child);
        if (widget && !widget->isWindow())
            if (ControlGeometry* geometry = Find(widget))
                geometries.push_back(geometry);
    }
    return geometries;
}

std::vector<ControlGeometry*> ControlGeometry::DockedTo(Align edge,
                                                       const std::vector<ControlGeometry*>& children,
                                                       const QWidget* newlyDocked)
{
    std::vector<ControlGeometry*> docked;
    std::copy_if(children.begin(), children.end(), std::back_inserter(docked),
                 [edge](const ControlGeometry* child) { return child->align_ == edge; });
    const auto order = [newlyDocked](const ControlGeometry* child) {
        return std::pair(child->control_ == newlyDocked, child->DockingPosition());
    };
    std::stable_sort(docked.begin(), docked.end(),
                     [&order](const ControlGeometry* a, const ControlGeometry* b) {
                         return order(a) < order(b);
                     });
    return docked;
}

void ControlGeometry::Arrange(const QWidget* newlyDocked)
{
    if (arranging_)
        return;
    const QScopedValueRollback<bool> arranging(arranging_, true);
    const std::vector<ControlGeometry*> children = ChildGeometries();
    QRect space = control_->contentsRect();
    for (Align edge : {Align::Top, Align::Bottom, Align::Left, Align::Right, Align::Client})
        for (ControlGeometry* child : DockedTo(edge, children, newlyDocked))
            child->Dock(space);
    for (ControlGeometry* child : children)
        if (!child->Docked())
            child->FollowAnchors();
}

void ControlGeometry::RealignParent(const QWidget* newlyDocked)
{
    if (QWidget* parent = Container())
        Of(parent)->Arrange(newlyDocked);
}

// Where the control stands on its edge, smaller meaning further out.
int ControlGeometry::DockingPosition() const
{
    const QRect bounds = control_->geometry();
    switch (align_) {
    case Align::Top:
        return bounds.top();
    case Align::Bottom:
        return -bounds.bottom();
    case Align::Left:
        return bounds.left();
    case Align::Right:
        return -bounds.right();
    default:
        return 0;
    }
}

// The bounds the control gets when docked into what is left of the parent's client area: the
// whole length of its edge, its own thickness (or all of both for a client control).
QRect ControlGeometry::DockTarget(const QRect& space) const
{
    const bool acrossWidth = align_ == Align::Top || align_ == Align::Bottom;
    const bool acrossHeight = align_ == Align::Left || align_ == Align::Right;
    const int width = acrossHeight || space.width() < 0 ? control_->width() : space.width();
    const int height = acrossWidth || space.height() < 0 ? control_->height() : space.height();
    const int left = align_ == Align::Right ? space.right() + 1 - width : space.left();
    const int top = align_ == Align::Bottom ? space.bottom() + 1 - height : space.top();
    return QRect(left, top, width, height);
}

// Places the control on its edge of `space` and takes the room it covers, if it is shown.
void ControlGeometry::Dock(QRect& space)
{
    Place(DockTarget(space));
    if (control_->isHidden())
        return;
    switch (align_) {
    case Align::Top:
        space.setTop(space.top() + control_->height());
        break;
    case Align::Bottom:
        space.setBottom(space.bottom() - control_->height());
        break;
    case Align::Left:
        space.setLeft(space.left() + control_->width());
        break;
    case Align::Right:
        space.setRight(space.right() - control_->width());
        break;
    default:
        break;
    }
}

void ControlGeometry::FollowAnchors()
{
    if (referenceSize_.isEmpty())
        return;
    const QRect client = Container()->contentsRect();
    const QRect bounds = control_->geometry().translated(-client.topLeft());
    const auto [left, width] =
        FollowAxis(anchors_.testFlag(Anchor::Left), anchors_.testFlag(Anchor::Right), anchorRule_.x(),
                   referenceSize_.width(), client.width(), bounds.left(), bounds.width());
    const auto [top, height] =
        FollowAxis(anchors_.testFlag(Anchor::Top), anchors_.testFlag(Anchor::Bottom), anchorRule_.y(),
                   referenceSize_.height(), client.height(), bounds.top(), bounds.height());
    Place(QRect(left, top, width, height).translated(client.topLeft()));
}

void ControlGeometry::RecordAnchorReference()
{
    referenceSize_ = QSize();
    QWidget* parent = Container();
    if (!parent || anchors_ == Anchors{Anchor::Left, Anchor::Top})
        return;
    const QRect client = parent->contentsRect();
    if (client.isEmpty())
        return;
    const QRect bounds = control_->geometry().translated(-client.topLeft());
    anchorRule_ = QPoint(
        AxisRule(anchors_.testFlag(Anchor::Left), anchors_.testFlag(Anchor::Right), bounds.left(),
                 bounds.width()),
        AxisRule(anchors_.testFlag(Anchor::Top), anchors_.testFlag(Anchor::Bottom), bounds.top(),
                 bounds.height()));
    referenceSize_ = client.size();
    Of(parent);  // so that the parent's resizes reach the anchors
}

// Other code moved, resized or re-parented the control: a docked control takes its place in the
// parent's docking again, any other measures its anchors anew.
void ControlGeometry::ChangedFromOutside()
{
    if (Docked())
        RealignParent(nullptr);
    else
        RecordAnchorReference();
}

// Sets the control's bounds without taking it for a change from outside; its own children are
// re-arranged when its size changed.
void ControlGeometry::Place(const QRect& bounds)
{
    const QSize before = control_->size();
    {
        const QScopedValueRollback<bool> placing(placing_, true);
        control_->setGeometry(QRect(bounds.topLeft(), Clamp(bounds.size())));
    }
    if (control_->size() != before)
        Realign();
}

QSize ControlGeometry::Clamp(const QSize& size) const
{
    return QSize(ClampLength(size.width(), constraints_.minWidth, constraints_.maxWidth),
                 ClampLength(size.height(), constraints_.minHeight, constraints_.maxHeight));
}
