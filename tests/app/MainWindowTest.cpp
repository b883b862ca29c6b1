#include "AppError.h"
#include "CodePage.h"
#include "Notebook.h"
#include "PathUtils.h"
#include "ScopedScriptedUi.h"
#include "SkStract.h"
#include "TempCourse.h"
#include "frmMain.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

using Kind = ScriptedUi::Kind;

const char* const kMainScene = "[main]\ntype=form\ncaption=Chooser\n[choose]\ntype=button\n";
const char* const kShowScene = "[show]\ntype=form\n[movie]\ntype=flash\n[play]\ntype=sp_button\nmaster=movie\n";

struct PlayerRun {
    int status;
    QString out;
    QString err;
};

// The player as authors run it, in a process of its own.
PlayerRun RunPlayer(const QStringList& arguments)
{
    QProcess player;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    player.setProcessEnvironment(environment);
    player.start(COURSE_PLAYER_EXE, arguments);
    if (!player.waitForFinished(60000))
        return {-1, {}, "timed out"};
    return {player.exitCode(), QString::fromUtf8(player.readAllStandardOutput()),
            QString::fromUtf8(player.readAllStandardError())};
}

class MainWindowTest : public ::testing::Test {
protected:
    void WriteScene(const QString& name, const char* text)
    {
        course.writeFile(name, CodePage::ToAnsi(QString::fromUtf8(text)));
    }

    TempCourse course;
    ScopedScriptedUi ui;
};

TEST_F(MainWindowTest, StartsOnTheChooserPage)
{
    WriteScene("struct_main.txt", kMainScene);
    WriteScene("struct_show.txt", kShowScene);
    course.writeFile("Drives/FlashEx.ocx", "not a library");
    TfrmMain window;
    window.FormCreate();

    ASSERT_NE(window.MainScene(), nullptr);
    ASSERT_NE(window.ShowScene(), nullptr);
    EXPECT_EQ(window.Pages()->CurrentIndex(), window.MainScene()->PageIndex());
    EXPECT_EQ(window.ActiveScene(), window.MainScene());
    EXPECT_EQ(window.ShowScene()->PageIndex(), 1);
    EXPECT_EQ(window.windowTitle(), "Chooser");
    EXPECT_TRUE(ui->Calls().empty()) << "a control file that does not load is ignored quietly";

    window.ShowScene()->Activate();
    EXPECT_EQ(window.ActiveScene(), window.ShowScene());
}

TEST_F(MainWindowTest, ClosingTakesBothScenesDownOnceWithTheirTemporaryFiles)
{
    WriteScene("struct_main.txt", kMainScene);
    WriteScene("struct_show.txt", kShowScene);
    TfrmMain window;
    window.FormCreate();
    const QStringList temps = {FileSystemPath(window.MainScene()->TempFile()),
                               FileSystemPath(window.ShowScene()->TempFile())};
    for (const QString& temp : temps)
        EXPECT_TRUE(QFile::exists(temp));
    window.show();
    EXPECT_TRUE(window.close());
    EXPECT_EQ(window.MainScene(), nullptr);
    EXPECT_EQ(window.ShowScene(), nullptr);
    for (const QString& temp : temps)
        EXPECT_FALSE(QFile::exists(temp)) << temp.toStdString();
    EXPECT_TRUE(window.close()) << "closing again finds nothing left to take down";
}

TEST_F(MainWindowTest, MissingMainSceneStopsStartUpButTheWindowStillCloses)
{
    WriteScene("struct_show.txt", kShowScene);
    TfrmMain window;
    try {
        window.FormCreate();
        ADD_FAILURE() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.text(), QString::fromUtf8("GetData. Не найден файл: struct_main.txt"));
    }
    EXPECT_EQ(window.ShowScene(), nullptr) << "start-up ends at the failing scene";
    window.show();
    EXPECT_TRUE(window.close());
}

TEST_F(MainWindowTest, AboutBoxIsBuiltAnewEachTimeAndLeavesTheMainWindowAsItWas)
{
    WriteScene("struct_main.txt", kMainScene);
    WriteScene("struct_show.txt", kShowScene);
    WriteScene("struct_about.txt", "[about]\ntype=form\ncaption=About\n[ok]\ntype=button\n");
    TfrmMain window;
    window.FormCreate();
    QStringList seen;
    ui->OnModal([&](QWidget& about) { seen << about.windowTitle(); });
    window.ShowAbout();
    window.ShowAbout();
    EXPECT_EQ(seen, QStringList({"About", "About"}));
    EXPECT_EQ(window.Pages()->CurrentIndex(), 0);
    EXPECT_EQ(window.ActiveScene(), window.MainScene());
}

// The player as authors run it: --dump lists the objects of both scenes and the leftovers.
TEST_F(MainWindowTest, DumpListsEveryObjectInCreationOrder)
{
    WriteScene("struct_main.txt", "[main]\ntype=form\n[b]\ntype=button\nmaster=p\n[p]\ntype=panel\nleft=5\ntop=6\n"
                                  "width=70\nheight=80\n[lost]\ntype=label\nmaster=nowhere\n");
    WriteScene("struct_show.txt", kShowScene);
    const PlayerRun run = RunPlayer({course.path(), "--dump"});
    EXPECT_EQ(run.status, 0);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 5) << lines.join('\n').toStdString();
    EXPECT_EQ(lines[0], "p\tpanel\tTSkPanel\t-\t0\t5,6,70,80\t1\t1\t");
    EXPECT_TRUE(lines[1].startsWith("b\tbutton\t")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains("\tp\t0\t"));
    EXPECT_EQ(lines[2], "leftover lost");
    EXPECT_TRUE(lines[3].startsWith("movie\tflash\t"));
    EXPECT_TRUE(lines[4].startsWith("play\tsp_button\t"));
    EXPECT_TRUE(lines[4].contains("\tmovie\t1\t"));
}

TEST_F(MainWindowTest, ActionsRunBeforeTheDump)
{
    WriteScene("struct_main.txt", "[main]\ntype=form\n[panel1]\ntype=panel\n");
    WriteScene("struct_show.txt", kShowScene);
    const QString dump = RunPlayer({course.path(), "--action", "visible*panel1*0", "--dump"}).out;
    EXPECT_TRUE(dump.startsWith("panel1\tpanel\tTSkPanel\t-\t0\t")) << dump.toStdString();
    EXPECT_TRUE(dump.section('\n', 0, 0).endsWith("\t0\t1\t")) << "hidden, enabled: " << dump.toStdString();
}

TEST_F(MainWindowTest, BatchRunsReportErrorsOnOneLineAndStillFinish)
{
    const PlayerRun run = RunPlayer({course.path(), "--dump"});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.contains(QString::fromUtf8("error: GetData. Не найден файл: struct_main.txt\n")));
}

}  // namespace
