#include "CodePage.h"
#include "TempCourse.h"
#include "TinySwf.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

struct Result {
    int status;
    QByteArray out;
    QString err;
};

Result RunTool(const QStringList& arguments)
{
    QProcess tool;
    tool.start(COURSE_TOOL_EXE, arguments);
    tool.waitForFinished(60000);
    return {tool.exitCode(), tool.readAllStandardOutput(), QString::fromUtf8(tool.readAllStandardError())};
}

class CourseToolTest : public ::testing::Test {
protected:
    QString Archive() const { return course.filePath("interface.dat"); }
    TempCourse course;
};

TEST_F(CourseToolTest, PackListAndGetRoundTrip)
{
    QByteArray noise(70000, Qt::Uninitialized);
    for (char& b : noise)
        b = char(QRandomGenerator::global()->bounded(256));
    const QByteArray text = CodePage::ToAnsi(QString::fromUtf8("Урок первый. ")).repeated(300);
    course.writeFile("src/Content/Listem.lst", "1\n2\n");
    course.writeFile(QString::fromUtf8("src/html/Уроки/урок 1.htm"), text);
    course.writeFile("src/html/empty.txt", {});
    course.writeFile("src/media/noise.bin", noise);

    const Result pack = RunTool({"pack", course.filePath("src"), Archive()});
    ASSERT_EQ(pack.status, 0) << pack.err.toStdString();

    const Result list = RunTool({"list", Archive()});
    ASSERT_EQ(list.status, 0) << list.err.toStdString();
    const QString listing = QString::fromUtf8(list.out);
    EXPECT_TRUE(listing.contains(QString::fromUtf8("УРОКИ\\"))) << listing.toStdString();
    EXPECT_TRUE(listing.contains(QString::fromUtf8("УРОК 1.HTM")));
    EXPECT_TRUE(listing.contains(QStringLiteral("%1 %2  ").arg(70000, 12).arg(70000, 12) + "  NOISE.BIN"));
    EXPECT_TRUE(listing.contains(QStringLiteral("%1 %2  ").arg(0, 12).arg(0, 12) + "  EMPTY.TXT"));

    const QString folder = course.path();
    EXPECT_EQ(RunTool({"get", folder, QString::fromUtf8("html\\уроки\\Урок 1.htm")}).out, text);
    EXPECT_EQ(RunTool({"get", folder, "media/noise.bin"}).out, noise);
    EXPECT_EQ(RunTool({"get", folder, "HTML\\EMPTY.TXT"}).out, QByteArray());

    course.writeFile("Content/Listem.lst", "loose\n");
    EXPECT_EQ(RunTool({"get", folder, "content\\listem.lst"}).out, QByteArray("loose\n"));

    const Result missing = RunTool({"get", folder, "nothing.htm"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QString::fromUtf8("GetData. Не найден файл: nothing.htm"))) << missing.err.toStdString();
}

TEST_F(CourseToolTest, PackRefusesNamesTheArchiveCannotHoldAndWritesNothing)
{
    const std::vector<std::pair<QString, const char*>> bad = {
        {QString(65, 'a'), "longer than 64 bytes"},
        {QString::fromUtf8("日本.htm"), "code page"},
    };
    for (const auto& [name, reason] : bad) {
        TempCourse local;
        local.writeFile("src/ok.txt", "fine");
        local.writeFile("src/" + name, "x");
        const Result pack = RunTool({"pack", local.filePath("src"), local.filePath("interface.dat")});
        EXPECT_NE(pack.status, 0) << reason;
        EXPECT_TRUE(pack.err.contains(reason)) << pack.err.toStdString();
        EXPECT_EQ(pack.err.count('\n'), 1) << "one line: " << pack.err.toStdString();
        EXPECT_FALSE(QFile::exists(local.filePath("interface.dat"))) << reason;
    }
}

TEST_F(CourseToolTest, HelpAndUsageErrors)
{
    for (const char* command : {"pack", "list", "get"}) {
        const Result help = RunTool({command, "--help"});
        EXPECT_EQ(help.status, 0) << command;
        EXPECT_TRUE(help.out.startsWith("usage: course-tool " + QByteArray(command))) << command;
        EXPECT_NE(RunTool({command}).status, 0) << command;
    }
    EXPECT_NE(RunTool({"frobnicate"}).status, 0);
    const Result damaged = RunTool({"list", course.filePath("missing.dat")});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_TRUE(damaged.err.startsWith("course-tool: Cannot open file")) << damaged.err.toStdString();
}

}  // namespace

namespace {

TEST_F(CourseToolTest, SwfInfoAndRunDescribeAndPlayAMovie)
{
    course.writeFile("m.swf", TinySwf(4, "next", "see_flash"));
    const Result info = RunTool({"swf-info", course.filePath("m.swf")});
    ASSERT_EQ(info.status, 0) << info.err.toStdString();
    EXPECT_TRUE(info.out.startsWith("version 6, stage 0x0 px, 12 frames a second, 4 frames\n")) << info.out.toStdString();
    EXPECT_TRUE(info.out.contains("tag 1: 4\n"));
    const Result run = RunTool({"swf-run", course.filePath("m.swf"), "--frames", "2"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, QByteArray("fscommand next see_flash\n"));

    course.writeFile("bad.swf", "FWS\x06garbage");
    const Result bad = RunTool({"swf-info", course.filePath("bad.swf")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.err.startsWith("course-tool: "));
}

}  // namespace
