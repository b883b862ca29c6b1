#include "ControlGeometry.h"
#include "SkScrollBox.h"

#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

struct Scene {
    Scene()
    {
        box.resize(200, 150);
        box.show();
    }
    TSkScrollBox box;
    QWidget* content() const { return box.ContentWidget(); }
};

TEST(SkScrollBoxTest, ContentCoversTheVisibleArea)
{
    Scene scene;
    EXPECT_EQ(scene.content()->size(), scene.box.viewport()->size());
    scene.box.resize(300, 250);
    EXPECT_EQ(scene.content()->size(), scene.box.viewport()->size());
}

TEST(SkScrollBoxTest, ContentGrowsAndShrinksWithItsChildren)
{
    Scene scene;
    auto* page = new QWidget(scene.content());
    page->setGeometry(0, 0, 553, 353);
    page->show();
    EXPECT_EQ(scene.content()->size(), QSize(553, 353));
    EXPECT_GT(scene.box.horizontalScrollBar()->maximum(), 0);

    page->move(100, 50);
    EXPECT_EQ(scene.content()->size(), QSize(653, 403));
    page->hide();
    EXPECT_EQ(scene.content()->size(), scene.box.viewport()->size());
    page->show();
    delete page;
    EXPECT_EQ(scene.content()->size(), scene.box.viewport()->size());
}

TEST(SkScrollBoxTest, DockedChildFillsTheContentWithoutGrowingIt)
{
    Scene scene;
    auto* client = new QWidget(scene.content());
    client->resize(900, 900);
    ControlGeometry::Of(client)->SetAlign(Align::Client);
    client->show();
    EXPECT_EQ(scene.content()->size(), scene.box.viewport()->size());
    EXPECT_EQ(client->geometry(), scene.content()->rect());
}

}  // namespace
