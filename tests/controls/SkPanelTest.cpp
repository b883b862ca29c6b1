#include "ControlGeometry.h"
#include "SkPanel.h"

#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

// Shows points as text in failure messages.
static void PrintTo(const QPoint& point, std::ostream* out)
{
    *out << "QPoint(" << point.x() << ", " << point.y() << ")";
}

namespace {

struct Scene {
    Scene()
    {
        parent.resize(300, 200);
        parent.show();
    }
    // A shown panel, as scenes create them.
    TSkPanel* AddPanel(const QRect& bounds)
    {
        auto* panel = new TSkPanel(&parent);
        panel->setGeometry(bounds);
        panel->show();
        return panel;
    }
    QWidget parent;
};

TEST(SkPanelTest, ToggleShowsThePanelWhereTheToggleHidIt)
{
    Scene scene;
    TSkPanel* panel = scene.AddPanel({30, 40, 50, 20});

    panel->ToggleShown();
    EXPECT_TRUE(panel->isHidden());
    EXPECT_EQ(panel->SavedLeft(), 30);
    EXPECT_EQ(panel->SavedTop(), 40);

    panel->move(5, 6);
    panel->ToggleShown();
    EXPECT_FALSE(panel->isHidden());
    EXPECT_EQ(panel->pos(), QPoint(30, 40));
}

TEST(SkPanelTest, PanelHiddenOtherwiseIsToggledShownAtTheOrigin)
{
    Scene scene;
    TSkPanel* panel = scene.AddPanel({30, 40, 50, 20});
    panel->setVisible(false);

    panel->ToggleShown();
    EXPECT_FALSE(panel->isHidden());
    EXPECT_EQ(panel->pos(), QPoint(0, 0));
}

TEST(SkPanelTest, CentringUsesTheParentsOuterSizeAndTruncates)
{
    struct Case {
        int parentLength;
        int panelLength;
        int start;
    };
    for (const Case c : {Case{101, 50, 25}, Case{101, 120, -9}, Case{100, 100, 0}}) {
        SCOPED_TRACE(c.panelLength);
        QWidget parent;
        parent.resize(c.parentLength, c.parentLength);
        auto* horizontal = new TSkPanel(&parent);
        horizontal->setGeometry(3, 4, c.panelLength, 10);
        horizontal->SetCenterH(true);
        EXPECT_EQ(horizontal->pos(), QPoint(c.start, 4));

        auto* vertical = new TSkPanel(&parent);
        vertical->setGeometry(3, 4, 10, c.panelLength);
        vertical->SetCenterV(true);
        EXPECT_EQ(vertical->pos(), QPoint(3, c.start));
    }
}

// A scene centres a panel through its "anchor" key, which also leaves the panel's anchors free
// in that direction, so the parent's geometry object moves the panel on resizes too: before the
// panel's own handling when the parent had it first, after it otherwise. Either way, shown or
// hidden, the panel must end exactly centred.
TEST(SkPanelTest, CentredPanelsStayCentredWhenTheParentResizes)
{
    for (const bool parentGeometryFirst : {true, false}) {
        for (const bool shown : {true, false}) {
            SCOPED_TRACE(testing::Message() << "parent geometry first " << parentGeometryFirst << ", shown " << shown);
            Scene scene;
            scene.parent.resize(101, 101);
            if (parentGeometryFirst)
                ControlGeometry::Of(&scene.parent);
            TSkPanel* panel = scene.AddPanel({0, 0, 50, 30});
            panel->SetCenterH(true);
            panel->SetCenterV(true);
            ControlGeometry::Of(panel)->SetAnchors({});
            panel->setVisible(shown);

            scene.parent.resize(301, 77);
            EXPECT_EQ(panel->pos(), QPoint(125, 23));
            scene.parent.resize(40, 20);
            EXPECT_EQ(panel->pos(), QPoint(-5, -5));
        }
    }
}

TEST(SkPanelTest, StartsBorderlessAndShowsACaptionOnlyWhenGiven)
{
    Scene scene;
    TSkPanel* plain = scene.AddPanel({0, 0, 80, 30});
    TSkPanel* captioned = scene.AddPanel({0, 0, 80, 30});
    EXPECT_EQ(plain->frameWidth(), 0);
    EXPECT_EQ(plain->Caption(), QString());
    EXPECT_EQ(plain->grab().toImage(), captioned->grab().toImage());

    captioned->SetCaption("Title");
    EXPECT_EQ(captioned->Caption(), "Title");
    EXPECT_NE(plain->grab().toImage(), captioned->grab().toImage());
}

TEST(SkPanelTest, DoubleClickIsReported)
{
    Scene scene;
    TSkPanel* panel = scene.AddPanel({0, 0, 80, 30});
    QSignalSpy doubleClicked(panel, &TSkPanel::doubleClicked);
    QTest::mouseClick(panel, Qt::LeftButton);
    EXPECT_EQ(doubleClicked.count(), 0);
    QTest::mouseDClick(panel, Qt::LeftButton);
    EXPECT_EQ(doubleClicked.count(), 1);
}

}  // namespace
