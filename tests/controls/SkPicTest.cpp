#include "SkPic.h"
#include "ThemeObject.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The window's skin gives the picture object "logo" an image; a picture shows it once its theme
// object names it.
TEST(SkPicTest, ShowsThePictureItsThemeObjectNames)
{
    QTemporaryDir dir;
    QImage red(8, 8, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString file = dir.filePath("logo.png");
    ASSERT_TRUE(red.save(file));

    QWidget window;
    window.setStyleSheet(QString("TSkPic[themeObject=\"logo\"] { border-image: url(%1); }").arg(file));
    auto* pic = new TSkPic(&window);
    pic->setGeometry(0, 0, 40, 30);
    window.show();
    SetThemeObject(pic, "default");
    EXPECT_NE(pic->grab().toImage().pixelColor(20, 15), QColor(Qt::red));

    SetThemeObject(pic, "logo");
    EXPECT_EQ(pic->property("themeObject").toString(), "logo");
    EXPECT_EQ(pic->grab().toImage().pixelColor(20, 15), QColor(Qt::red));
}

}  // namespace
