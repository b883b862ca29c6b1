#include "Notebook.h"
#include "ProgramExit.h"
#include "ShortCut.h"
#include "SkForm.h"
#include "SkinForm.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(ShortCut, ReadsTheShortcutNameSyntax)
{
    const std::vector<std::pair<const char*, quint16>> cases = {
        {"F1", 0x70},           {"f12", 0x7B},         {"Ctrl+S", 0x4053},       {"ctrl+shift+a", 0x6041},
        {"Alt+F4", 0x8073},     {"Esc", 0x1B},         {"Shift+Enter", 0x200D},  {"PgDn", 0x22},
        {"Ctrl+Alt+Del", 0xC02E}, {"7", 0x37},         {"F13", 0},               {"Ctrl+", 0},
        {"Hyper+X", 0},         {"", 0},               {"Space", 0x20},          {"BkSp", 0x08},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ShortCut::FromText(text), expected) << text;
}

TEST(SkHotKey, RecordsKeepTheirOrderAndOutOfRangeReadsAreEmpty)
{
    TSkHotKey keys;
    keys.Add("F1*help", 0);
    keys.Add("nonsense*run*x", -1);
    EXPECT_EQ(keys.Count(), 2);
    EXPECT_EQ(keys.GetAction(0), "help");
    EXPECT_EQ(keys.GetShortCut(1), 0);
    EXPECT_EQ(keys.GetAction(1), "run*x");
    EXPECT_EQ(keys.GetPage(5), 0);
    EXPECT_EQ(keys.GetShortCut(5), 0);
    EXPECT_EQ(keys.GetAction(5), QString());
}

class SkFormTest : public ::testing::Test {
protected:
    SkFormTest()
    {
        form.OnAction = [this](const RHelpAction& action) { actions.append(action.Action); };
        form.show();
    }

    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(&form, Qt::Key(key), modifiers);
    }

    TSkForm form;
    QStringList actions;
};

TEST_F(SkFormTest, HotKeysWorkOnTheirPageOnly)
{
    Notebook* pages = form.CreatePages();
    form.AddHotKey("F2*on default");
    pages->AddPage("p1");
    form.AddHotKey("F2*on p1");
    form.AddHotKey("F3*");

    Press(Qt::Key_F2);
    EXPECT_EQ(actions, QStringList{"on p1"});
    pages->SetCurrentIndex(0);
    Press(Qt::Key_F2);
    Press(Qt::Key_F3);  // registered for p1 only
    EXPECT_EQ(actions, QStringList({"on p1", "on default"}));
}

TEST_F(SkFormTest, HotKeysWithoutPageBookWorkEverywhereAndReachTheFocusedControlToo)
{
    form.AddHotKey("Ctrl+E*edit");
    form.AddHotKey("F4*");
    auto* edit = new QLineEdit(form.ClientArea());
    edit->show();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_E, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_X);
    Press(Qt::Key_F4);
    EXPECT_EQ(actions, QStringList({"edit", ""})) << "an empty action still reaches the dispatcher";
    EXPECT_EQ(edit->text(), "x");
}

TEST_F(SkFormTest, EscClosesOnlyWhenAllowed)
{
    Press(Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    form.SetDialog(true);
    Press(Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
}

TEST_F(SkFormTest, DialogAndSizeableSettersCombine)
{
    const int minMax = SkinForm::Minimize | SkinForm::Maximize;
    form.SetDialog(true);
    EXPECT_EQ(form.Skin()->Buttons() & minMax, 0);
    EXPECT_FALSE(form.Skin()->Sizeable());
    EXPECT_TRUE(form.EscClose);
    form.SetSizeable(true);
    EXPECT_EQ(form.Skin()->Buttons() & minMax, int(SkinForm::Maximize));
    EXPECT_TRUE(form.Skin()->Sizeable());
    form.SetDialog(false);
    EXPECT_EQ(form.Skin()->Buttons() & minMax, minMax);
    EXPECT_FALSE(form.EscClose);
    form.SetSizeable(false);
    EXPECT_EQ(form.Skin()->Buttons() & minMax, int(SkinForm::Minimize));
}

TEST_F(SkFormTest, RestartKeyEndsTheProgramAndStartsItAgainAfterwards)
{
    int launches = 0;
    ProgramExit::SetLauncher([&] { ++launches; });
    Press(Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_FALSE(ProgramExit::Quitting()) << "Ctrl+Alt+Shift+Q does nothing";
    Press(Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
    EXPECT_TRUE(ProgramExit::Quitting());
    EXPECT_EQ(launches, 0) << "the new copy starts only when everything is taken down";
    ProgramExit::FinishRestart();
    EXPECT_EQ(launches, 1);
    ProgramExit::SetLauncher({});
    ProgramExit::Cancel();
}

TEST_F(SkFormTest, HelpButtonRunsTheHelpActionAtTheCursor)
{
    form.SetHelpButton(true);
    form.HelpAction = "help*topic";
    EXPECT_TRUE(form.Skin()->Buttons() & SkinForm::Help);
    auto* help = form.findChild<QAbstractButton*>("captionHelpButton");
    ASSERT_NE(help, nullptr);
    help->click();
    EXPECT_EQ(actions, QStringList{"help*topic"});
}

}  // namespace
