#include "AppError.h"
#include "CodePage.h"
#include "Notebook.h"
#include "ScopedScriptedUi.h"
#include "SkFlash.h"
#include "SkStract.h"
#include "TempCourse.h"
#include "TinySwf.h"
#include "frmMain.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using Kind = ScriptedUi::Kind;

class LessonPlayerTest : public ::testing::Test {
protected:
    LessonPlayerTest()
    {
        QDir::setCurrent(course.path());  // as the player does at start-up
        Write("struct_main.txt", "[main]\ntype=form\n[chooser]\ntype=panel\n");
        Write("struct_show.txt", "[show]\ntype=form\n[main_flash]\ntype=flash\n[see_flash]\ntype=flash\n");
        Write("Content/Listem.lst", "1.1=Введение#lead\n1.2=Второй урок\n3.1=Глава три\n");
        for (const char* lesson : {"0.0", "1.1", "1.2", "3.1"})
            course.writeFile(QStringLiteral("Content/%1.dat").arg(lesson), TinySwf(5));
        window.FormCreate();
    }

    void Write(const QString& file, const char* text)
    {
        course.writeFile(file, CodePage::ToAnsi(QString::fromUtf8(text)));
    }

    void Chooser(const QString& action) { window.MainScene()->RunActionString(action); }
    void Lesson(const QString& action) { window.ShowScene()->RunActionString(action); }

    TSkFlash* Flash(const char* name) const
    {
        return qobject_cast<TSkFlash*>(window.ShowScene()->Registry().Find(name));
    }

    QString Variables() const
    {
        QStringList pairs;
        for (const auto& [name, value] : Flash("main_flash")->VariablesSet())
            pairs << name + '=' + value;
        return pairs.join(' ');
    }

    ~LessonPlayerTest() override { QDir::setCurrent(previousFolder); }

    const QString previousFolder = QDir::currentPath();
    TempCourse course;
    ScopedScriptedUi ui;
    TfrmMain window;
};

TEST_F(LessonPlayerTest, ChoosingALessonPlaysItOnTheLessonPage)
{
    Chooser("folder*3");
    Chooser("tutor*0");
    EXPECT_EQ(window.Pages()->CurrentIndex(), window.ShowScene()->PageIndex());
    EXPECT_EQ(Flash("see_flash")->MovieName(), "Content\\3.1.dat");
    EXPECT_EQ(Flash("see_flash")->CurrentFrame(), 0);
    EXPECT_EQ(Variables(), QString::fromUtf8("name=0.0 ext=.dat my_play=stop loading=1 tutor=3.1 tutor2=Глава три "
                                             "my_frame=1 my_play=play"));
    EXPECT_EQ(window.LessonTitle, QString::fromUtf8("Глава три"));
}

TEST_F(LessonPlayerTest, StepsThroughTheLessonListAndStopsAtItsEnds)
{
    Chooser("tutor*0");
    EXPECT_EQ(window.LessonTitle, QString::fromUtf8("Введение")) << "text after '#' is not part of the title";
    Lesson("list*--");
    EXPECT_EQ(window.Lesson, 1) << "nothing before the first line";
    Lesson("list*++");
    EXPECT_EQ(Flash("see_flash")->MovieName(), "Content\\1.2.dat");
    Lesson("list*++");
    EXPECT_EQ(window.Chapter, 3);
    EXPECT_EQ(window.Lesson, 1);
    Lesson("list*++");
    EXPECT_EQ(Flash("see_flash")->MovieName(), "Content\\3.1.dat") << "nothing after the last line";
    Lesson("list*--");
    EXPECT_EQ(Flash("see_flash")->MovieName(), "Content\\1.2.dat");
}

TEST_F(LessonPlayerTest, FirstReturnsToTheChooserWithTheChapterKept)
{
    Chooser("folder*2");
    Chooser("folder*1");
    Chooser("tutor*1");
    Chooser("folder*2");
    Lesson("first");
    EXPECT_EQ(window.Chapter, 2);
    EXPECT_EQ(window.Pages()->CurrentIndex(), window.MainScene()->PageIndex());
    EXPECT_EQ(Flash("see_flash")->MovieName(), "Content\\0.0.dat");
    EXPECT_EQ(Flash("main_flash")->VariablesSet().back(), std::make_pair(QString("tutor2"), QString()));
}

TEST_F(LessonPlayerTest, PlayBeginRestartsTheLessonAndOtherArgumentsDoNothing)
{
    Chooser("tutor*0");
    Flash("see_flash")->Tick();
    Flash("see_flash")->Tick();
    ASSERT_GT(Flash("see_flash")->CurrentFrame(), 0);
    Lesson("play*end");
    EXPECT_GT(Flash("see_flash")->CurrentFrame(), 0);
    Lesson("play*BEGIN");
    EXPECT_EQ(Flash("see_flash")->CurrentFrame(), 0);
    EXPECT_EQ(Flash("see_flash")->MovieName(), "Content\\1.1.dat");
}

TEST_F(LessonPlayerTest, UnknownCommandsAreShownInTheChooserAndIgnoredInTheLesson)
{
    Chooser("nonsense*1//more");
    Lesson("nonsense*2");
    EXPECT_EQ(ui->Texts(Kind::Message), QStringList{"nonsense*1//more"});
    EXPECT_THROW(Chooser("tutor*x"), AppError);
    EXPECT_EQ(window.Pages()->CurrentIndex(), window.MainScene()->PageIndex()) << "a bad number changes nothing";
}

TEST_F(LessonPlayerTest, AMissingMovieIsReportedAndTheLessonStateStillChanges)
{
    Chooser("folder*7");
    Chooser("tutor*4");
    EXPECT_EQ(ui->Texts(Kind::Message), QStringList{QString::fromUtf8("Не найден файл Content\\7.5.dat")});
    EXPECT_EQ(window.Chapter, 7);
    EXPECT_EQ(window.Lesson, 5);
}

TEST_F(LessonPlayerTest, AMoviesFsCommandRunsAsAnAction)
{
    course.writeFile("Content/1.1.dat", TinySwf(3, "test", "from movie"));
    Chooser("tutor*0");
    EXPECT_EQ(ui->Texts(Kind::Message), QStringList{"from movie*"});
}

}  // namespace
