#include "AppError.h"
#include "CodePage.h"
#include "Notebook.h"
#include "PathUtils.h"
#include "ScopedScriptedUi.h"
#include "SkForm.h"
#include "SkStract.h"
#include "TempCourse.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Kind = ScriptedUi::Kind;

class SceneLoaderTest : public ::testing::Test {
protected:
    // Writes a struct file (UTF-8 text, stored as Windows-1251 like course files) and loads it
    // as a scene of `form`.
    std::unique_ptr<TSkStract> Load(const QString& file, const char* text, TSkForm* on = nullptr)
    {
        course.writeFile(file, CodePage::ToAnsi(QString::fromUtf8(text)));
        auto scene = std::make_unique<TSkStract>(on ? on : &form, file);
        scene->LoadStruct();
        return scene;
    }

    static QStringList Names(const TSkStract& scene)
    {
        QStringList names;
        for (QObject* object : scene.Registry().Objects())
            names << object->objectName();
        return names;
    }

    TempCourse course;
    ScopedScriptedUi ui;
    TSkForm form;
};

TEST_F(SceneLoaderTest, ChildrenBeforeTheirContainerAreCreatedAfterIt)
{
    const auto scene = Load("s.txt", R"(
[child]
type=button
master=box
[box]
type=panel
[other]
type=label
[main]
type=form
[inner]
type=label
master=child
)");
    EXPECT_EQ(Names(*scene), QStringList({"box", "child", "other"}));
    EXPECT_EQ(scene->LeftOver(), QStringList{"inner"}) << "a button is no container";
    auto* child = qobject_cast<QWidget*>(scene->GetControl("CHILD"));
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->parentWidget(), scene->GetControl("box"));
    EXPECT_EQ(qobject_cast<QWidget*>(scene->GetControl("other"))->parentWidget(), scene->Page());
}

TEST_F(SceneLoaderTest, NestedContainersKeepFileOrderDepthFirst)
{
    const auto scene = Load("s.txt", R"(
[main]
type=form
[top]
type=panel
[a]
type=panel
master=top
[b]
type=button
master=top
[a1]
type=label
master=a
[after]
type=button
)");
    EXPECT_EQ(Names(*scene), QStringList({"top", "a", "a1", "b", "after"}));
    EXPECT_TRUE(scene->LeftOver().isEmpty());
}

TEST_F(SceneLoaderTest, TwoScenesShareTheWindowOnePageEach)
{
    QStringList handled;
    const auto first = Load("one.txt", "[main]\ntype=form\n[k]\ntype=hot_key\nk1=F2*first\n[b1]\ntype=button\n");
    first->OnUnknownAction = [&](const RHelpAction& a) { handled << "1:" + a.Action; };
    const auto second = Load("two.txt", "[main]\ntype=form\n[k]\ntype=hot_key\nk1=F2*second\n[b2]\ntype=button\n");
    second->OnUnknownAction = [&](const RHelpAction& a) { handled << "2:" + a.Action; };

    Notebook* pages = form.Pages();
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->PageName(0), "Default");
    EXPECT_EQ(pages->PageName(1), "p1");
    EXPECT_EQ(first->PageIndex(), 0);
    EXPECT_EQ(second->PageIndex(), 1);
    EXPECT_EQ(qobject_cast<QWidget*>(second->GetControl("b2"))->parentWidget(), pages->Page(1));
    EXPECT_EQ(first->Registry().Find("b2"), nullptr) << "lookups stay inside one scene";

    form.show();
    QTest::keyClick(&form, Qt::Key_F2);
    first->Activate();
    EXPECT_EQ(pages->CurrentIndex(), 0);
    QTest::keyClick(&form, Qt::Key_F2);
    EXPECT_EQ(handled, QStringList({"2:second", "1:first"}));
}

TEST_F(SceneLoaderTest, UnknownTypesAreReportedAndNoneIsSkipped)
{
    const auto scene = Load("s.txt", R"(
[main]
type=form
[w]
type=Widget
[n]
type=none
[under_none]
type=button
master=n
[b]
type=BUTTON
)");
    EXPECT_EQ(Names(*scene), QStringList{"b"});
    EXPECT_EQ(scene->LeftOver(), QStringList{"under_none"});
    EXPECT_EQ(ui->Texts(Kind::ErrorBox), QStringList{QString::fromUtf8("Error. Объект w имеет неизвестный тип widget")});
}

TEST_F(SceneLoaderTest, ComponentNameErrorsEndTheLoad)
{
    const std::vector<std::pair<const char*, QString>> cases = {
        {"[main]\ntype=form\n[1bad]\ntype=button\n", "''1bad'' is not a valid component name"},
        // a section written twice is listed twice and both read the first one's keys
        {"[main]\ntype=form\n[x]\ntype=button\n[X]\ntype=label\n", "A component named X already exists"},
    };
    for (const auto& [text, message] : cases) {
        TSkForm window;
        try {
            Load("s.txt", text, &window);
            ADD_FAILURE() << "no error for " << text;
        } catch (const AppError& error) {
            EXPECT_EQ(error.text(), message);
        }
    }
}

TEST_F(SceneLoaderTest, FindersIgnoreCaseAndReportMisses)
{
    const auto scene = Load("s.txt", "[main]\ntype=form\n[Panel1]\ntype=panel\n[ok]\ntype=button\n");
    EXPECT_NE(scene->GetControl("PANEL1"), nullptr);
    EXPECT_NE(scene->FindInFamily("OK", Family::Button), nullptr);
    EXPECT_EQ(scene->FindInFamily("panel1", Family::Button), nullptr);
    EXPECT_EQ(scene->GetControl("nothing"), nullptr);
    scene->ShowErrors = false;
    EXPECT_EQ(scene->GetControl("silent"), nullptr);
    EXPECT_EQ(ui->Texts(Kind::ErrorBox), QStringList({QString::fromUtf8("Error. Не найден контрол: panel1"),
                                                      QString::fromUtf8("Error GetControl. Не найден контрол: nothing")}));
}

TEST_F(SceneLoaderTest, HotKeyObjectsAddEveryKeyButType)
{
    const auto scene = Load("s.txt", "[main]\ntype=form\n[keys]\ntype=hot_key\nk1=F1*help\nk2=Ctrl+S*save\n");
    ASSERT_EQ(form.HotKeys().Count(), 2);
    EXPECT_EQ(form.HotKeys().GetAction(0), "help");
    EXPECT_EQ(form.HotKeys().GetAction(1), "save");
    EXPECT_EQ(form.HotKeys().GetPage(1), 0);
}

TEST_F(SceneLoaderTest, MissingAndEmptyStructFiles)
{
    TSkStract missing(&form, "struct_main.txt");
    try {
        missing.LoadStruct();
        ADD_FAILURE() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.text(), QString::fromUtf8("GetData. Не найден файл: struct_main.txt"));
    }
    const auto empty = Load("struct_empty.txt", "; nothing here\n");
    EXPECT_EQ(ui->Texts(Kind::Message),
              QStringList{QString::fromUtf8("Нету данных в struct_empty.txt. Это безусловно End...")});
    EXPECT_EQ(form.Pages(), nullptr);
}

TEST_F(SceneLoaderTest, DestroyingTheSceneFreesItsObjectsAndTemporaryFile)
{
    auto scene = Load("s.txt", "[main]\ntype=form\n[p]\ntype=panel\n[b]\ntype=button\nmaster=p\n");
    const QString temp = FileSystemPath(scene->TempFile());
    EXPECT_TRUE(QFile::exists(temp));
    EXPECT_TRUE(QFileInfo(temp).fileName().startsWith("BMA"));
    QPointer<QObject> button = scene->GetControl("b");
    scene.reset();
    EXPECT_FALSE(QFile::exists(temp));
    EXPECT_TRUE(button.isNull());
}

TEST_F(SceneLoaderTest, FormColourPaintsThePage)
{
    const auto scene = Load("s.txt", "[main]\ntype=form\ncolor=#FF8000\n[b]\ntype=button\n");
    EXPECT_EQ(scene->Page()->palette().color(QPalette::Window), QColor(255, 128, 0));
}

}  // namespace

namespace {

QWidget* VisibleSplash()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && (window->windowFlags() & Qt::SplashScreen) == Qt::SplashScreen)
            return window;
    }
    return nullptr;
}

TEST_F(SceneLoaderTest, SplashShowsWhileLoadingAndClosesAtTheEnd)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::darkBlue);
    const QString bmp = course.filePath("splash.bmp");
    ASSERT_TRUE(picture.save(bmp, "BMP"));
    TSkStract scene(&form, "none.txt");
    scene.ShowSplash("splash.bmp");
    QWidget* splash = VisibleSplash();
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(splash->size(), QSize(40, 30));
    scene.CloseSplash();
    EXPECT_EQ(VisibleSplash(), nullptr);

    const auto loaded = Load("s.txt", "[main]\ntype=form\nsplash=splash.bmp\n[b]\ntype=button\n");
    EXPECT_EQ(VisibleSplash(), nullptr) << "closed when the scene is built";
}

}  // namespace
