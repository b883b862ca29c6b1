#include "AppError.h"
#include "ScopedScriptedUi.h"
#include "SkGif.h"
#include "SkMedia.h"
#include "SkTrackBar.h"
#include "TempCourse.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

// The smallest GIF: one white pixel.
const QByteArray kPixelGif = QByteArray::fromHex(
    "4749463839610100010080000000ffffff00000021f90401000000002c000000000100010000020244010"
    "03b");

std::string ErrorOf(const std::function<void()>& call)
{
    try {
        call();
    } catch (const AppError& error) {
        return error.text().toStdString();
    }
    return "no error";
}

TEST(SkGif, LoadsOnceAndKeepsItsNameWhenALoadFails)
{
    TempCourse course;
    course.writeFile("a.gif", kPixelGif);
    course.writeFile("b.gif", kPixelGif);
    course.writeFile("broken.gif", "not a picture");
    TSkGif gif;
    gif.LoadGif("a.gif");
    ASSERT_NE(gif.movie(), nullptr);
    QSignalSpy started(gif.movie(), &QMovie::started);
    gif.LoadGif("a.gif");
    EXPECT_EQ(started.count(), 0) << "the same name does not restart the animation";

    EXPECT_EQ(ErrorOf([&] { gif.LoadGif("missing.gif"); }), "GetData. Не найден файл: missing.gif");
    EXPECT_EQ(ErrorOf([&] { gif.LoadGif("broken.gif"); }), "GIF image is not valid");
    EXPECT_EQ(gif.CurrentName(), "a.gif") << "a failed load leaves the current name";
    course.writeFile("missing.gif", kPixelGif);
    gif.LoadGif("missing.gif");
    EXPECT_EQ(gif.CurrentName(), "missing.gif") << "loading the same name again tries again";
}

TEST(SkMedia, OperationsWithoutAFileRaiseTheDeviceError)
{
    ScopedScriptedUi ui;  // the player reports its own errors through the Ui
    TempCourse course;
    QObject window;
    TSkMedia media(&window, nullptr);
    for (const auto& operation : std::vector<std::function<void()>>{[&] { media.Play(); }, [&] { media.Pause(); },
                                                                     [&] { media.Stop(); }})
        EXPECT_EQ(ErrorOf(operation), "No MCI device open");

    EXPECT_EQ(ErrorOf([&] { media.LoadFile("sound\\missing.wav"); }),
              "Cannot find the specified file. Make sure the path and filename are correct.");
    EXPECT_EQ(media.FileName(), "sound\\missing.wav");
    EXPECT_FALSE(media.Following());
    media.LoadFile("");
    EXPECT_EQ(media.FileName(), "sound\\missing.wav") << "an empty name does nothing";
}

TEST(SkMedia, ABoundBarFollowsOnlyOnceTheMediumPlays)
{
    ScopedScriptedUi ui;
    TempCourse course;
    course.writeFile("a.wav", QByteArray(64, '\0'));
    QObject window;
    TSkMedia media(&window, nullptr);
    TSkTrackBar bar;
    media.BindTrackBar(&bar);
    EXPECT_FALSE(media.Following());
    media.LoadFile("a.wav");
    EXPECT_TRUE(media.Following());
    media.Stop();
    EXPECT_FALSE(media.Following());
    EXPECT_EQ(media.Player().position(), 0);
    emit bar.mouseUp();
    EXPECT_TRUE(media.Following()) << "releasing the bar seeks and plays";
    emit bar.mouseDown();
    EXPECT_FALSE(media.Following());
}

}  // namespace
