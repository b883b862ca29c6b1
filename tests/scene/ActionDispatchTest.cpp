#include "AppError.h"
#include "CodePage.h"
#include "PathUtils.h"
#include "ProgramExit.h"
#include "ScopedScriptedUi.h"
#include "SkButton.h"
#include "SkCheckBox.h"
#include "SkComboBox.h"
#include "SkCommand.h"
#include "SkEditBox.h"
#include "SkForm.h"
#include "SkListBox.h"
#include "SkPanel.h"
#include "SkSpeedButton.h"
#include "SkStract.h"
#include "SceneTest.h"
#include "TempCourse.h"

#include <QDesktopServices>
#include <QMenu>
#include <QTest>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

using Kind = ScriptedUi::Kind;

TEST(SkCommand, ParsesNamesArgumentsAndRests)
{
    const TSkCommand parsed("Html_Load*html1**Page.htm*//nil////*skipped//x*A//");
    ASSERT_EQ(parsed.Count(), 3);
    const RCommand& first = parsed.Commands()[0];
    EXPECT_EQ(first.Name, "html_load");
    EXPECT_EQ(first.ArgText, "html1**Page.htm*");
    EXPECT_EQ(first.Args, QStringList({"html1", "Page.htm"}));
    EXPECT_EQ(first.Rest, "nil////*skipped//x*A//");
    EXPECT_EQ(parsed.Commands()[1].Name, "nil");
    EXPECT_EQ(parsed.Commands()[2].Name, "x");
    EXPECT_EQ(parsed.Commands()[2].Rest, "");
    EXPECT_EQ(parsed.CommandText(0), "html_load*html1*Page.htm");
    EXPECT_EQ(parsed.CommandText(3), "");
    EXPECT_EQ(TSkCommand("//").Count(), 0);
    EXPECT_EQ(TSkCommand("a////b").Count(), 2);
    EXPECT_EQ(TSkCommand("click_but *ok").Commands()[0].Name, "click_but ") << "blanks belong to the name";
}

class ActionDispatchTest : public SceneTest {
protected:
    ~ActionDispatchTest() override { ProgramExit::Cancel(); }
};

TEST_F(ActionDispatchTest, UnknownCommandsGoToTheOwnerWithTheRawRest)
{
    const auto scene = Load("[x]\ntype=none\n");
    scene->RunActionString("test*a//lesson*1*2//html_go_top*html1//test*never");
    scene->RunActionString("Lesson*1**2");
    scene->RunActionString("CLICK_BUT*missing//nil");
    EXPECT_EQ(actions, QStringList({"lesson*1*2//html_go_top*html1//test*never", "lesson*1*2"}));
    EXPECT_EQ(ui->Texts(Kind::Message), QStringList{"a*"});
    EXPECT_EQ(ui->Texts(Kind::ErrorBox), QStringList{QString::fromUtf8("Error. Не найден контрол: missing")});
}

TEST_F(ActionDispatchTest, OpenFileArgumentsAskEvenForNilAndHandedOverCommands)
{
    const auto scene = Load("[x]\ntype=none\n");
    ui->QueueOpenFile("/tmp/a.bmp");
    scene->RunActionString("nil*OPEN_FILE(.BMP)//test*x*open_file(.txt)//mine*open_file(.gif)");
    EXPECT_EQ(ui->Texts(Kind::OpenFile), QStringList({"*.bmp", "*.txt", "*.gif"}));
    EXPECT_EQ(ui->Texts(Kind::Message), QStringList{"x*"}) << "a cancelled dialog gives an empty argument";
    EXPECT_EQ(actions, QStringList{"mine*open_file(.gif)"});
}

TEST_F(ActionDispatchTest, ConversionErrorEndsTheActionString)
{
    const auto scene = Load("[x]\ntype=none\n");
    try {
        scene->RunActionString("test*before//form_close*x//test*after");
        ADD_FAILURE() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.text(), "'x' is not a valid integer value");
    }
    EXPECT_EQ(ui->Texts(Kind::Message), QStringList{"before*"});
}

TEST_F(ActionDispatchTest, EverySenderSendsItsOwnAction)
{
    Write("items.txt", "One#;#1\nNone\n");
    const auto scene = Load(R"(
[button]
type=button
action=b*1
left=20
top=30
height=25
[speed]
type=sp_button
action=s*2
[panel]
type=panel
action=p*3
[list]
type=list_box
load=items.txt
action=l*insert
[combo]
type=combo_box
load=items.txt
action=c
[box]
type=check_box
action=k
[edit]
type=edit_box
action=e*5
)");
    RHelpAction buttonAction;
    scene->OnUnknownAction = [&](const RHelpAction& action) {
        actions << action.Action;
        if (action.Action == "b*1")
            buttonAction = action;
    };
    form.show();
    auto* button = Find<TSkButton>(*scene, "button");
    button->click();
    Find<TSkSpeedButton>(*scene, "speed")->click();
    QTest::mouseDClick(Find<TSkPanel>(*scene, "panel"), Qt::LeftButton);
    auto* list = Find<TSkListBox>(*scene, "list");
    list->setCurrentRow(0);
    scene->ControlClick(list);
    list->setCurrentRow(1);
    scene->ControlClick(list);  // no value: nothing
    scene->ControlClick(Find<TSkComboBox>(*scene, "combo"));  // no entry chosen: sent empty
    Find<TSkCheckBox>(*scene, "box")->setChecked(true);
    auto* edit = Find<TSkEditBox>(*scene, "edit");
    QTest::keyClick(edit, Qt::Key_A);
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_EQ(actions, QStringList({"b*1", "s*2", "p*3", "l*1", "c", "k*-1", "e*5"}));
    EXPECT_EQ(buttonAction.Height, 25);
    EXPECT_EQ(QPoint(buttonAction.X, buttonAction.Y), button->mapToGlobal(QPoint(0, 0)));
}

TEST_F(ActionDispatchTest, VisibilityFlagsAndCheckBoxTemplates)
{
    const auto scene = Load("[panel1]\ntype=panel\n[box]\ntype=check_box\naction=visible*panel1\n");
    auto* panel = Find<TSkPanel>(*scene, "panel1");
    const std::vector<std::pair<const char*, bool>> cases = {
        {"visible*panel1*false", false}, {"visible*panel1", true},  {"visible*panel1*0", false},
        {"visible*panel1*no", true},     {"enabled*panel1*0", true},
    };
    for (const auto& [action, visible] : cases) {
        scene->RunActionString(action);
        EXPECT_EQ(!panel->isHidden(), visible) << action;
    }
    EXPECT_FALSE(panel->isEnabled());
    auto* box = Find<TSkCheckBox>(*scene, "box");
    box->setChecked(true);
    box->setChecked(false);
    EXPECT_TRUE(panel->isHidden()) << "'visible*panel1*0'";
    box->setChecked(true);
    EXPECT_FALSE(panel->isHidden()) << "'-1' is no flag word: the default shows it";
}

TEST_F(ActionDispatchTest, ClickButRunsTheButtonsWholeActionFirst)
{
    const auto scene = Load("[ok]\ntype=button\naction=test*ok//mine\n");
    scene->RunActionString("click_but*ok//test*second");
    EXPECT_EQ(ui->Texts(Kind::Message), QStringList({"ok*", "second*"}));
    EXPECT_EQ(actions, QStringList{"mine"});
}

TEST_F(ActionDispatchTest, FormShowRunsAModalSceneAndReturnsItsResult)
{
    Write("sub.txt", "[sub]\ntype=form\ncaption=Sub\n[ok]\ntype=button\naction=form_close*2//test*after\n");
    const auto scene = Load("[x]\ntype=none\n");
    QString subTemp;
    QVariant result;
    ui->OnModal([&](QWidget& window) {
        auto* ok = window.findChild<TSkButton*>("ok");
        ASSERT_NE(ok, nullptr);
        ok->click();
        result = window.property("modalResult");
        EXPECT_FALSE(window.isVisible());
    });
    scene->RunActionString("form_show*sub.txt//test*back");
    EXPECT_EQ(result.toInt(), 2);
    EXPECT_EQ(ui->Texts(Kind::ExecModal), QStringList{"Sub"});
    EXPECT_EQ(ui->Texts(Kind::Message), QStringList({"after*", "back*"}));
    EXPECT_TRUE(form.findChildren<TSkForm*>().isEmpty()) << "the scene window is freed";
}

TEST_F(ActionDispatchTest, FormCloseWithoutResultEndsTheProgramAndTheActionString)
{
    const auto scene = Load("[x]\ntype=none\n");
    scene->RunActionString("form_close//test*never");
    EXPECT_TRUE(ProgramExit::Quitting());
    EXPECT_TRUE(ui->Texts(Kind::Message).isEmpty());
}

TEST_F(ActionDispatchTest, MenuShowOpensBelowItsAnchor)
{
    const auto scene = Load(R"(
[menu1]
type=pop_menu
[btn]
type=button
left=10
top=10
height=20
action=menu_show*menu1*other
[other]
type=button
left=100
top=50
height=30
[speed]
type=sp_button
left=200
top=60
height=24
)");
    form.show();
    auto* menu = qobject_cast<QMenu*>(scene->Registry().Find("menu1"));
    menu->addAction("item");
    const auto below = [](QWidget* control) { return control->mapToGlobal(QPoint(0, control->height())); };

    Find<TSkButton>(*scene, "btn")->click();
    EXPECT_EQ(menu->pos(), below(Find<TSkButton>(*scene, "btn"))) << "the sending button wins over arg1";
    menu->hide();
    scene->RunActionString("menu_show*menu1*other");
    EXPECT_EQ(menu->pos(), below(Find<TSkButton>(*scene, "other")));
    menu->hide();
    scene->RunActionString("menu_show*menu1*speed");
    EXPECT_EQ(menu->pos(), below(Find<TSkSpeedButton>(*scene, "speed")));
    EXPECT_EQ(ui->Texts(Kind::ErrorBox), QStringList{QString::fromUtf8("Error. Не найден контрол: speed")});
    menu->hide();
    scene->RunActionString("menu_show*menu1*nothing");
    EXPECT_EQ(ui->Texts(Kind::Message), QStringList{QString::fromUtf8("menu_show. Не найден контрол nothing")});
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
}

TEST_F(ActionDispatchTest, SpeedButtonDownTogglesItsMark)
{
    const auto scene = Load("[a]\ntype=sp_button\ngroup=1\ndown=1\n[b]\ntype=sp_button\ngroup=1\n");
    auto* a = Find<TSkSpeedButton>(*scene, "a");
    scene->RunActionString("sbutton_down*a");
    EXPECT_TRUE(a->DownMark);
    EXPECT_TRUE(a->Down());
    scene->RunActionString("sbutton_down*a");
    EXPECT_FALSE(a->DownMark);
    EXPECT_FALSE(a->Down());
    scene->RunActionString("sbutton_down*a");
    EXPECT_TRUE(a->DownMark);
    EXPECT_FALSE(a->Down());
}

// Receives the addresses the desktop is asked to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls << url; }
};

TEST_F(ActionDispatchTest, HelpOpensTheTopicOfAnHtmlHelpFile)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "Open");
    const auto scene = Load("[x]\ntype=none\n");
    course.writeFile("help/guide.htm", "<html></html>");
    scene->RunActionString("help_id*intro//help*help\\guide.htm//help*help\\guide.htm*setup");
    QDesktopServices::unsetUrlHandler("file");
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls[0].fragment(), "intro");
    EXPECT_EQ(catcher.urls[1].fragment(), "setup");
    EXPECT_TRUE(catcher.urls[0].toLocalFile().endsWith("help/guide.htm"));
}

}  // namespace

#include "ActionDispatchTest.moc"
