#include "MovieBuilder.h"

#include "swf/MovieClip.h"
#include "swf/SwfError.h"
#include "swf/SwfPlayer.h"

#include <QStringList>
#include <gtest/gtest.h>

using M = MovieBuilder;

namespace {

constexpr int kSpriteId = 1;

// A player that records trace lines, FSCommands and errors.
struct Harness {
    swf::SwfPlayer player;
    QStringList traces;
    QStringList commands;
    QStringList errors;

    explicit Harness(const QByteArray& movie)
    {
        player.setTraceHandler([this](const QString& line) { traces << line; });
        player.setFsCommandHandler([this](const QString& c, const QString& a) { commands << c + '|' + a; });
        player.setErrorHandler([this](const QString& e) { errors << e; });
        player.load(movie);
    }
    void ticks(int count)
    {
        for (int i = 0; i < count; ++i)
            player.tick();
    }
};

QByteArray threeFrames(const QByteArray& frame2Extra = {})
{
    MovieBuilder movie(8, 3);
    movie.doAction(M::trace("f1")).showFrame();
    movie.doAction(M::trace("f2") + frame2Extra).showFrame();
    movie.doAction(M::trace("f3")).showFrame();
    return movie.bytes();
}

QByteArray emptySprite()
{
    return MovieBuilder().defineSprite(kSpriteId, 1, MovieBuilder::tagHeader(1, 0)).tagBytes();
}

} // namespace

TEST(SwfPlayer, TicksAdvanceLoopAndStop)
{
    Harness playing(threeFrames());
    playing.ticks(5);
    EXPECT_EQ(playing.traces, QStringList({"f1", "f2", "f3", "f1", "f2"}));
    EXPECT_EQ(playing.player.currentFrame(), 2);

    Harness stopping(threeFrames(M::action(0x07)));
    stopping.ticks(5);
    EXPECT_EQ(stopping.traces, QStringList({"f1", "f2"}));
    EXPECT_FALSE(stopping.player.isPlaying());
}

TEST(SwfPlayer, GoingBackRebuildsTheDisplayListFromFrameOne)
{
    MovieBuilder movie(8, 3);
    movie.tag(39, emptySprite().mid(2)).showFrame();   // frame 1 defines the sprite only
    movie.placeSprite(kSpriteId, 1, "a").showFrame();
    movie.showFrame();
    Harness h(movie.bytes());
    h.ticks(3);
    ASSERT_EQ(h.player.root()->children().size(), 1u);
    EXPECT_EQ(h.player.root()->children().begin()->second->name(), "a");

    h.player.gotoFrame(1);
    EXPECT_TRUE(h.player.root()->children().empty());
    h.player.gotoFrame(3);
    EXPECT_EQ(h.player.root()->children().size(), 1u);
    EXPECT_EQ(h.player.currentFrame(), 3);
}

TEST(SwfPlayer, HostReadsAndWritesVariablesByPath)
{
    MovieBuilder movie(8, 1);
    movie.tag(39, emptySprite().mid(2)).placeSprite(kSpriteId, 1, "clip").showFrame();
    Harness h(movie.bytes());
    h.ticks(1);
    const struct {
        const char* setPath;
        const char* getPath;
    } cases[] = {
        {"top", "/:top"},
        {"/:slash", "_root.slash"},
        {"_level0.dots", "dots"},
        {"/clip:inner", "_root.clip.inner"},
        {"clip.other", "/clip:other"},
    };
    for (const auto& c : cases) {
        h.player.setVariable(c.setPath, QStringLiteral("value of ") + c.setPath);
        EXPECT_EQ(h.player.getVariable(c.getPath), QStringLiteral("value of ") + c.setPath) << c.getPath;
    }
    EXPECT_EQ(h.player.getVariable("/missing:v"), QString());
}

TEST(SwfPlayer, FsCommandUrlsBecomeHostEvents)
{
    const QByteArray getUrl = M::action(0x83, "FSCommand:next\0arg\0"_qba);
    const QByteArray getUrl2 = M::pushString("fscommand:quit") + M::pushString("") + M::action(0x9A, QByteArray(1, '\0'));
    const QByteArray plainUrl = M::action(0x83, "http://example.com\0_blank\0"_qba);
    MovieBuilder movie(8, 1);
    movie.doAction(getUrl + getUrl2 + plainUrl).showFrame();
    Harness h(movie.bytes());
    h.ticks(1);
    EXPECT_EQ(h.commands, QStringList({"next|arg", "quit|"}));
}

TEST(SwfPlayer, RunawayScriptIsStoppedAndTheMovieGoesOn)
{
    Harness h(threeFrames(M::jump(-5)));   // the jump lands on itself
    h.ticks(3);
    EXPECT_EQ(h.traces, QStringList({"f1", "f2", "f3"}));
    ASSERT_EQ(h.errors.size(), 1);
    EXPECT_TRUE(h.errors[0].contains("ran too long"));
}

TEST(SwfPlayer, EndlessRecursionIsStopped)
{
    // function f() { f(); } f();
    const QByteArray body = M::pushNumber(0) + M::pushString("f") + M::action(0x3D);
    const QByteArray define = M::action(0x9B, "f\0\0\0"_qba + char(body.size()) + '\0') + body;
    Harness h(threeFrames(define + M::pushNumber(0) + M::pushString("f") + M::action(0x3D)));
    h.ticks(3);
    EXPECT_EQ(h.traces, QStringList({"f1", "f2", "f3"}));
    ASSERT_EQ(h.errors.size(), 1);
    EXPECT_TRUE(h.errors[0].contains("nested")) << h.errors[0].toStdString();
}

TEST(SwfPlayer, DamagedScriptsEndWithAMessageAndTheMovieGoesOn)
{
    const struct {
        const char* name;
        QByteArray code;
    } cases[] = {
        {"unknown push type", M::action(0x96, QByteArray(1, '\x0f'))},
        {"action longer than the script", QByteArray::fromHex("96ff00")},
        {"function body past the end", M::action(0x9B, "g\0\0\0\xff\x7f"_qba)},
        {"push string without end", M::action(0x96, "\0abc"_qba)},
        {"jump far outside", M::jump(30000)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Harness h(threeFrames(c.code));
        h.ticks(3);
        EXPECT_EQ(h.traces, QStringList({"f1", "f2", "f3"}));
    }
}

TEST(SwfPlayer, TruncatedMovieStillPlaysWhatItHas)
{
    const QByteArray whole = threeFrames();
    QByteArray cut = whole.left(whole.size() - 12);   // loses the last frame's tags
    Harness h(cut);
    h.ticks(3);
    EXPECT_EQ(h.traces.mid(0, 2), QStringList({"f1", "f2"}));
    EXPECT_THROW(Harness(QByteArray("FWS")), swf::SwfError);
}
