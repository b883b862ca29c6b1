#include "CodePage.h"
#include "ScopedScriptedUi.h"
#include "SkButton.h"
#include "SkCheckBox.h"
#include "SkComboBox.h"
#include "SkForm.h"
#include "SkLabel.h"
#include "SkListBox.h"
#include "SkPanel.h"
#include "SkSpeedButton.h"
#include "SkStract.h"
#include "SceneTest.h"
#include "TempCourse.h"

#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

using Kind = ScriptedUi::Kind;

using SimpleControlKeysTest = SceneTest;

TEST_F(SimpleControlKeysTest, KeysActInFileOrder)
{
    const auto scene = Load(R"(
[link_then_font]
type=label
url=1
font=Arial*10*#FF0000*b
[font_then_link]
type=label
font=Arial*10*#FF0000*b
url=1
)");
    auto* first = Find<TSkLabel>(*scene, "link_then_font");
    EXPECT_TRUE(first->font().bold());
    EXPECT_FALSE(first->font().underline());
    EXPECT_EQ(first->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    auto* second = Find<TSkLabel>(*scene, "font_then_link");
    EXPECT_FALSE(second->font().bold());
    EXPECT_TRUE(second->font().underline());
    EXPECT_EQ(second->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

TEST_F(SimpleControlKeysTest, EntryFilesFillListAndComboBoxesFromTheArchive)
{
    Write("src/lists/chapters.txt", "Глава 1#;#ch1.htm\nВступление\na#;#b#;#c\n");
    Write("src/lists/sizes.txt", "Мелкий;small\nКрупный;big\n");
    course.packArchive("src");
    const auto scene = Load(R"(
[chapters]
type=list_box
load=lists\chapters.txt
action=html_load*html1
[sizes]
type=combo_box
load=LISTS/SIZES.TXT
action=size*insert
read_only=1
)");
    auto* list = Find<TSkListBox>(*scene, "chapters");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QString::fromUtf8("Глава 1"));
    EXPECT_EQ(list->EntryValue(2), "b#;#c");
    list->setCurrentRow(1);
    scene->ControlClick(list);  // an entry without value sends nothing
    list->setCurrentRow(0);
    scene->ControlClick(list);

    auto* combo = Find<TSkComboBox>(*scene, "sizes");
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(1), QString::fromUtf8("Крупный"));
    EXPECT_FALSE(combo->isEditable() && combo->lineEdit() && !combo->lineEdit()->isReadOnly());
    combo->setCurrentIndex(1);  // what a pick from the drop-down list does
    emit combo->activated(1);
    EXPECT_EQ(actions, QStringList({"html_load*html1*ch1.htm", "size*big"}));
}

TEST_F(SimpleControlKeysTest, CheckBoxEnablesItsListAndRunsItsActionWhenLoadChecksIt)
{
    const auto scene = Load(R"(
[edit1]
type=edit_box
[unchanged]
type=check_box
enable_control=edit1
check=0
action=agree
[agree]
type=check_box
enable_control=edit1;missing
action=agree*insert
check=1
)");
    auto* box = Find<TSkCheckBox>(*scene, "unchanged");
    EXPECT_EQ(box->text(), "unchanged") << "a check box shows its name until a caption replaces it";
    EXPECT_TRUE(qobject_cast<QWidget*>(scene->GetControl("edit1"))->isEnabled());
    EXPECT_EQ(actions, QStringList{"agree*-1"});
    EXPECT_EQ(ui->Texts(Kind::ErrorBox), QStringList{QString::fromUtf8("Error GetControl. Не найден контрол: missing")});
    Find<TSkCheckBox>(*scene, "agree")->setChecked(false);
    EXPECT_FALSE(qobject_cast<QWidget*>(scene->GetControl("edit1"))->isEnabled());
    EXPECT_EQ(actions.last(), "agree*0");
}

TEST_F(SimpleControlKeysTest, SkinFilesBindOnlyTheFirstControlThatRegistersThem)
{
    Write("big.skn", "QPushButton { color: #123456; }");
    const auto scene = Load(R"(
[first]
type=button
skin=*big.skn
[second]
type=button
skin=btn_big*big.skn
[flat]
type=panel
skin=frame*ignored.skn
)");
    auto* first = Find<TSkButton>(*scene, "first");
    auto* second = Find<TSkButton>(*scene, "second");
    EXPECT_TRUE(first->styleSheet().contains("#123456"));
    EXPECT_TRUE(second->styleSheet().isEmpty());
    EXPECT_EQ(second->property("themeObject").toString(), "btn_big");
    EXPECT_EQ(first->property("themeObject").toString(), "default");
    EXPECT_EQ(Find<TSkPanel>(*scene, "flat")->property("themeObject").toString(), "frame");
    EXPECT_EQ(scene->Skins().FindLink("ignored.skn"), nullptr) << "the short form registers nothing";
}

TEST_F(SimpleControlKeysTest, SpeedButtonKeys)
{
    const auto scene = Load(R"(
[menu1]
type=pop_menu
[a]
type=sp_button
group=1
down=1
menu=MENU1
font=Arial*11**b
[b]
type=sp_button
group=1
down=1
menu=nothing
)");
    auto* a = Find<TSkSpeedButton>(*scene, "a");
    auto* b = Find<TSkSpeedButton>(*scene, "b");
    EXPECT_FALSE(a->Down()) << "one button of a group is down";
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(a->menu(), scene->Registry().Find("menu1"));
    EXPECT_TRUE(b->ShowsChevron()) << "the arrow shows without a menu of that name";
    EXPECT_TRUE(a->font().bold());
    EXPECT_EQ(a->font().pointSize(), 11);
}

TEST_F(SimpleControlKeysTest, PanelsShowOnlyTheirOwnCaptionAndButtonsSendTheirAction)
{
    const auto scene = Load(R"(
[titled]
type=panel
caption=Title
[untitled]
type=panel
[go]
type=button
action=lesson*1*2
caption=Go
)");
    EXPECT_EQ(Find<TSkPanel>(*scene, "titled")->Caption(), "Title");
    EXPECT_EQ(Find<TSkPanel>(*scene, "untitled")->Caption(), QString());
    Find<TSkButton>(*scene, "go")->click();
    EXPECT_EQ(actions, QStringList{"lesson*1*2"});
}

TEST_F(SimpleControlKeysTest, ListBoxItemTooWideForItsBoxGetsItsTextAsHint)
{
    Write("items.txt", "short\nan entry far too long to fit into a list box that is this narrow\n");
    const auto scene = Load("[list]\ntype=list_box\nleft=10\ntop=10\nwidth=120\nheight=80\nload=items.txt\n");
    form.show();
    auto* list = Find<TSkListBox>(*scene, "list");
    const auto hintAt = [&](int row) {
        const QRect rect = list->visualItemRect(list->item(row));
        const QPoint pos = list->viewport()->mapTo(list, rect.center());
        return scene->HandleShowHint({list, pos});
    };
    EXPECT_FALSE(hintAt(0).has_value());
    const auto hint = hintAt(1);
    ASSERT_TRUE(hint.has_value());
    EXPECT_EQ(hint->text, list->item(1)->text());
    EXPECT_EQ(hint->cursorRect.height(), list->visualItemRect(list->item(1)).height());
}

}  // namespace

namespace {

TEST_F(SimpleControlKeysTest, ControlsAreFoundByTheActionTheyRun)
{
    const auto scene = Load(R"(
[c1]
type=combo_box
action=zoom
[c2]
type=combo_box
action=Page*insert
[c3]
type=combo_box
action=page_size*insert
[s1]
type=sp_button
action=orient*portrait
[s2]
type=sp_button
action=ORIENT*Landscape
)");
    EXPECT_EQ(scene->FindComboByAction("PAGE_SIZE"), scene->Registry().Find("c3")) << "every combo box is examined";
    EXPECT_EQ(scene->FindComboByAction("page"), scene->Registry().Find("c2"));
    EXPECT_EQ(scene->FindComboByAction("none"), nullptr);
    EXPECT_EQ(scene->FindSpeedButtonByAction("orient", ""), scene->Registry().Find("s1"));
    EXPECT_EQ(scene->FindSpeedButtonByAction("orient", "landscape"), scene->Registry().Find("s2"));
    EXPECT_EQ(scene->FindSpeedButtonByAction("orient", "upside"), nullptr);
    EXPECT_TRUE(ui->Calls().empty()) << "these lookups report nothing";
}

}  // namespace
