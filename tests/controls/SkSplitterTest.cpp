#include "ControlGeometry.h"
#include "SkSplitter.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <ostream>

// Shows rectangles as text in failure messages.
static void PrintTo(const QRect& rect, std::ostream* out)
{
    *out << "QRect(" << rect.x() << ", " << rect.y() << ", " << rect.width() << ", " << rect.height() << ")";
}

namespace {

QWidget* Docked(QWidget& parent, Align align, int length)
{
    auto* control = new QWidget(&parent);
    control->resize(length, length);
    ControlGeometry::Of(control)->SetAlign(align);
    return control;
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint global, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, target->mapFromGlobal(QPointF(global)), QPointF(global), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Presses the left button in the middle of the splitter, moves by `by` and releases.
void Drag(QWidget* splitter, QPoint by)
{
    const QPoint from = splitter->mapToGlobal(splitter->rect().center());
    SendMouse(splitter, QEvent::MouseButtonPress, from, Qt::LeftButton);
    SendMouse(splitter, QEvent::MouseMove, from + by, Qt::LeftButton);
    SendMouse(splitter, QEvent::MouseButtonRelease, from + by, Qt::NoButton);
}

struct SideBySide {
    SideBySide()
    {
        parent.resize(400, 200);
        left = Docked(parent, Align::Left, 100);
        splitter = new TSkSplitter(&parent);
        client = Docked(parent, Align::Client, 10);
        parent.show();
    }
    QWidget parent;
    QWidget* left;
    TSkSplitter* splitter;
    QWidget* client;
};

TEST(SkSplitterTest, StartsDockedLeftBehindTheControlsBeforeIt)
{
    SideBySide scene;
    EXPECT_EQ(scene.splitter->geometry(), QRect(100, 0, 3, 200));
    EXPECT_EQ(scene.client->geometry(), QRect(103, 0, 297, 200));
    EXPECT_EQ(scene.splitter->cursor().shape(), Qt::SplitHCursor);
}

TEST(SkSplitterTest, DraggingResizesTheNeighbourWithinLimits)
{
    struct Case {
        int by;
        int width;
    };
    // The largest width leaves 30 pixels beside the splitter: 400 - 30 - 3.
    for (const Case c : {Case{50, 150}, Case{-90, 30}, Case{1000, 367}}) {
        SCOPED_TRACE(c.by);
        SideBySide scene;
        Drag(scene.splitter, {c.by, 7});
        EXPECT_EQ(scene.left->width(), c.width);
        EXPECT_EQ(scene.splitter->x(), c.width);
        EXPECT_EQ(scene.client->geometry(), QRect(c.width + 3, 0, 400 - c.width - 3, 200));
    }
}

TEST(SkSplitterTest, DraggingFromTheFarEdgesGrowsTowardsTheMiddle)
{
    QWidget parent;
    parent.resize(300, 400);
    QWidget* right = Docked(parent, Align::Right, 50);
    auto* rightSplitter = new TSkSplitter(&parent);
    ControlGeometry::Of(rightSplitter)->SetAlign(Align::Right);
    QWidget* bottom = Docked(parent, Align::Bottom, 60);
    auto* bottomSplitter = new TSkSplitter(&parent);
    bottomSplitter->resize(bottomSplitter->width(), 4);
    ControlGeometry::Of(bottomSplitter)->SetAlign(Align::Bottom);
    parent.show();

    Drag(rightSplitter, {-20, 0});
    EXPECT_EQ(right->width(), 70);
    Drag(bottomSplitter, {0, -25});
    EXPECT_EQ(bottom->height(), 85);
    EXPECT_EQ(bottomSplitter->y(), 400 - 85 - 4);
}

TEST(SkSplitterTest, WithoutANeighbourOnItsEdgeDraggingChangesNothing)
{
    QWidget parent;
    parent.resize(400, 200);
    QWidget* top = Docked(parent, Align::Top, 40);
    auto* splitter = new TSkSplitter(&parent);
    parent.show();

    Drag(splitter, {60, 0});
    EXPECT_EQ(top->geometry(), QRect(0, 0, 400, 40));
    EXPECT_EQ(splitter->geometry(), QRect(0, 40, 3, 160));
}

TEST(SkSplitterTest, SplitCursorFollowsTheEdgeButNotAChosenCursor)
{
    SideBySide scene;
    ControlGeometry::Of(scene.splitter)->SetAlign(Align::Top);
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(scene.splitter, &enter);
    EXPECT_EQ(scene.splitter->cursor().shape(), Qt::SplitVCursor);

    scene.splitter->setCursor(Qt::PointingHandCursor);
    ControlGeometry::Of(scene.splitter)->SetAlign(Align::Left);
    QApplication::sendEvent(scene.splitter, &enter);
    EXPECT_EQ(scene.splitter->cursor().shape(), Qt::PointingHandCursor);
}

TEST(SkSplitterTest, ToggledSplitterGivesUpItsRoomAndTakesItBack)
{
    SideBySide scene;
    scene.splitter->ToggleShown();
    EXPECT_EQ(scene.client->geometry(), QRect(100, 0, 300, 200));
    scene.splitter->ToggleShown();
    EXPECT_EQ(scene.splitter->geometry(), QRect(100, 0, 3, 200));
    EXPECT_EQ(scene.client->geometry(), QRect(103, 0, 297, 200));
}

}  // namespace
