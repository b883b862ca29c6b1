#include "ControlGeometry.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

// Shows rectangles as text in failure messages.
static void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << "QRect(" << rect.x() << ", " << rect.y() << ", " << rect.width() << ", " << rect.height() << ")";
}

namespace {

using Anchor = ControlGeometry::Anchor;
using Anchors = ControlGeometry::Anchors;

QWidget* AddChild(QWidget& parent, const QRect& bounds, Align align = Align::None)
{
    auto* child = new QWidget(&parent);
    ControlGeometry::Of(child)->SetBounds(bounds);
    ControlGeometry::Of(child)->SetAlign(align);
    return child;
}

TEST(ControlGeometryTest, DocksEdgesInTurnAndClientFillsTheRest)
{
    QWidget parent;
    parent.resize(300, 200);
    QWidget* top1 = AddChild(parent, {0, 0, 10, 30}, Align::Top);
    QWidget* client = AddChild(parent, {0, 0, 10, 10}, Align::Client);
    QWidget* left = AddChild(parent, {0, 0, 40, 10}, Align::Left);
    QWidget* bottom = AddChild(parent, {0, 0, 10, 25}, Align::Bottom);
    QWidget* right = AddChild(parent, {0, 0, 50, 10}, Align::Right);
    QWidget* top2 = AddChild(parent, {0, 0, 10, 20}, Align::Top);
    QWidget* loose = AddChild(parent, {7, 8, 9, 10}, Align::None);

    EXPECT_EQ(top1->geometry(), QRect(0, 0, 300, 30));
    EXPECT_EQ(top2->geometry(), QRect(0, 30, 300, 20));
    EXPECT_EQ(bottom->geometry(), QRect(0, 175, 300, 25));
    EXPECT_EQ(left->geometry(), QRect(0, 50, 40, 125));
    EXPECT_EQ(right->geometry(), QRect(250, 50, 50, 125));
    EXPECT_EQ(client->geometry(), QRect(40, 50, 210, 125));
    EXPECT_EQ(loose->geometry(), QRect(7, 8, 9, 10));
}

TEST(ControlGeometryTest, DocksInsideTheContentsMargins)
{
    QWidget parent;
    parent.resize(300, 200);
    parent.setContentsMargins(5, 6, 7, 8);
    QWidget* client = AddChild(parent, {0, 0, 10, 10}, Align::Client);
    EXPECT_EQ(client->geometry(), QRect(5, 6, 288, 186));
}

// Three controls docked to one edge one after the other, each created at the parent's origin
// (as a scene creates them), lie outward-in in creation order.
TEST(ControlGeometryTest, ControlsDockedToOneEdgeFollowCreationOrder)
{
    struct Case {
        Align edge;
        std::vector<QRect> expected;
    };
    const Case cases[] = {
        {Align::Top, {{0, 0, 300, 10}, {0, 10, 300, 20}, {0, 30, 300, 30}}},
        {Align::Bottom, {{0, 190, 300, 10}, {0, 170, 300, 20}, {0, 140, 300, 30}}},
        {Align::Left, {{0, 0, 10, 200}, {10, 0, 20, 200}, {30, 0, 30, 200}}},
        {Align::Right, {{290, 0, 10, 200}, {270, 0, 20, 200}, {240, 0, 30, 200}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.edge));
        QWidget parent;
        parent.resize(300, 200);
        std::vector<QWidget*> children;
        for (int size : {10, 20, 30})
            children.push_back(AddChild(parent, {0, 0, size, size}, c.edge));
        for (size_t i = 0; i < children.size(); ++i)
            EXPECT_EQ(children[i]->geometry(), c.expected[i]) << "child " << i;
    }
}

TEST(ControlGeometryTest, HiddenControlTakesNoRoomAndKeepsItsPlace)
{
    QWidget parent;
    parent.resize(300, 200);
    QWidget* first = AddChild(parent, {0, 0, 10, 10}, Align::Top);
    QWidget* second = AddChild(parent, {0, 0, 10, 20}, Align::Top);
    QWidget* third = AddChild(parent, {0, 0, 10, 30}, Align::Top);
    QWidget* client = AddChild(parent, {0, 0, 10, 10}, Align::Client);

    first->hide();
    EXPECT_EQ(second->y(), 0);
    EXPECT_EQ(third->y(), 20);
    EXPECT_EQ(client->geometry(), QRect(0, 50, 300, 150));

    second->hide();
    second->show();
    first->show();
    EXPECT_EQ(first->y(), 0);
    EXPECT_EQ(second->y(), 10);
    EXPECT_EQ(third->y(), 30);
    EXPECT_EQ(client->geometry(), QRect(0, 60, 300, 140));
}

TEST(ControlGeometryTest, MovingOrResizingADockedControlRedocks)
{
    QWidget parent;
    parent.resize(300, 200);
    QWidget* first = AddChild(parent, {0, 0, 10, 10}, Align::Top);
    QWidget* second = AddChild(parent, {0, 0, 10, 20}, Align::Top);
    QWidget* client = AddChild(parent, {0, 0, 10, 10}, Align::Client);

    ControlGeometry::Of(first)->SetTop(100);
    EXPECT_EQ(second->geometry(), QRect(0, 0, 300, 20));
    EXPECT_EQ(first->geometry(), QRect(0, 20, 300, 10));

    // Other code resizing a docked control with Qt's own calls; Qt reports it once shown.
    parent.show();
    second->resize(second->width(), 50);
    EXPECT_EQ(first->y(), 50);
    EXPECT_EQ(client->geometry(), QRect(0, 60, 300, 140));
}

TEST(ControlGeometryTest, DeletingOrUndockingAControlFreesItsRoom)
{
    QWidget parent;
    parent.resize(300, 200);
    QWidget* first = AddChild(parent, {0, 0, 10, 10}, Align::Top);
    QWidget* second = AddChild(parent, {0, 0, 10, 20}, Align::Left);
    QWidget* client = AddChild(parent, {0, 0, 10, 10}, Align::Client);
    parent.show();

    delete first;
    EXPECT_EQ(second->geometry(), QRect(0, 0, 10, 200));
    ControlGeometry::Of(second)->SetAlign(Align::None);
    EXPECT_EQ(client->geometry(), QRect(0, 0, 300, 200));
    EXPECT_EQ(second->geometry(), QRect(0, 0, 10, 200));
}

TEST(ControlGeometryTest, AlignmentBringsItsAnchors)
{
    QWidget parent;
    QWidget* child = AddChild(parent, {0, 0, 10, 10});
    ControlGeometry* geometry = ControlGeometry::Of(child);
    EXPECT_EQ(geometry->GetAnchors(), Anchors(Anchor::Left | Anchor::Top));
    geometry->SetAlign(Align::Right);
    EXPECT_EQ(geometry->GetAnchors(), Anchor::Right | Anchor::Top | Anchor::Bottom);
    geometry->SetAlign(Align::None);
    EXPECT_EQ(geometry->GetAnchors(), Anchor::Left | Anchor::Top);
}

// A visible window resized by the window system re-docks its children, down to the children of
// a docked panel.
TEST(ControlGeometryTest, ResizedWindowRedocksNestedPanels)
{
    QWidget window;
    window.resize(300, 200);
    QWidget* panel = AddChild(window, {0, 0, 10, 10}, Align::Client);
    QWidget* side = AddChild(*panel, {0, 0, 40, 10}, Align::Right);
    window.show();

    window.resize(500, 260);
    EXPECT_EQ(panel->geometry(), QRect(0, 0, 500, 260));
    EXPECT_EQ(side->geometry(), QRect(460, 0, 40, 260));

    ControlGeometry::Of(&window)->SetBounds({0, 0, 100, 50});
    EXPECT_EQ(side->geometry(), QRect(60, 0, 40, 50));
}

TEST(ControlGeometryTest, AnchorsKeepDistancesWhenTheParentGrows)
{
    struct Case {
        Anchors anchors;
        QRect expected;
    };
    // The child starts at (10, 20, 100, 50) in 300 × 200; the parent grows to 400 × 260.
    const Case cases[] = {
        {Anchor::Left | Anchor::Top, {10, 20, 100, 50}},
        {Anchor::Right | Anchor::Top, {110, 20, 100, 50}},
        {Anchor::Left | Anchor::Right | Anchor::Top, {10, 20, 200, 50}},
        {Anchors(Anchor::Top), {30, 20, 100, 50}},  // centre 60 of 300 → 80 of 400
        {Anchor::Left | Anchor::Bottom, {10, 80, 100, 50}},
        {Anchor::Left | Anchor::Top | Anchor::Bottom, {10, 20, 100, 110}},
        {Anchors(), {30, 34, 100, 50}},  // centre 45 of 200 → 58.5 of 260, rounded up
        {Anchor::Left | Anchor::Top | Anchor::Right | Anchor::Bottom, {10, 20, 200, 110}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.anchors));
        QWidget parent;
        parent.resize(300, 200);
        QWidget* child = AddChild(parent, {10, 20, 100, 50});
        ControlGeometry::Of(child)->SetAnchors(c.anchors);
        ControlGeometry::Of(&parent)->SetBounds({0, 0, 400, 260});
        EXPECT_EQ(child->geometry(), c.expected);
    }
}

TEST(ControlGeometryTest, AnchorsMeasureFromTheLastBoundsSet)
{
    QWidget parent;
    parent.resize(300, 200);
    QWidget* child = AddChild(parent, {10, 20, 100, 50});
    ControlGeometry* geometry = ControlGeometry::Of(child);
    geometry->SetAnchors(Anchor::Right | Anchor::Top);
    ControlGeometry::Of(&parent)->SetBounds({0, 0, 400, 200});
    ASSERT_EQ(child->x(), 110);

    geometry->SetLeft(250);  // 50 from the right edge from now on
    ControlGeometry::Of(&parent)->SetBounds({0, 0, 350, 200});
    EXPECT_EQ(child->x(), 200);
    parent.show();
    parent.resize(500, 200);
    EXPECT_EQ(child->x(), 350);
}

TEST(ControlGeometryTest, ConstraintsClampEverySize)
{
    struct Case {
        ControlGeometry::Constraints constraints;
        QSize requested;
        QSize expected;
    };
    const Case cases[] = {
        {{}, {150, 150}, {150, 150}},
        {{0, 0, 100, 120}, {150, 150}, {100, 120}},
        {{40, 60, 0, 0}, {10, 10}, {40, 60}},
        {{50, 50, 30, 30}, {40, 40}, {50, 50}},  // the minimum wins
    };
    for (const Case& c : cases) {
        QWidget parent;
        QWidget* child = AddChild(parent, {0, 0, 10, 10});
        ControlGeometry* geometry = ControlGeometry::Of(child);
        geometry->SetConstraints(c.constraints);
        geometry->SetWidth(c.requested.width());
        geometry->SetHeight(c.requested.height());
        EXPECT_EQ(child->size(), c.expected);
    }
}

TEST(ControlGeometryTest, ConstraintsApplyAtOnceAndToDocking)
{
    QWidget parent;
    parent.resize(300, 200);
    QWidget* top = AddChild(parent, {0, 0, 10, 30}, Align::Top);
    QWidget* client = AddChild(parent, {0, 0, 10, 10}, Align::Client);
    ControlGeometry::Of(top)->SetConstraints({0, 0, 0, 20});
    EXPECT_EQ(top->geometry(), QRect(0, 0, 300, 20));
    ControlGeometry::Of(client)->SetConstraints({0, 0, 100, 0});
    EXPECT_EQ(client->geometry(), QRect(0, 20, 100, 180));
}

}  // namespace
