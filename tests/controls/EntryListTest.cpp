#include "AppError.h"
#include "SkComboBox.h"
#include "SkListBox.h"
#include "TempCourse.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct EntryCase {
    const char* line;
    const char* shown;
    const char* value;
};

QStringList LinesOf(const std::vector<EntryCase>& cases)
{
    QStringList lines;
    for (const EntryCase& entry : cases)
        lines.append(QString::fromUtf8(entry.line));
    return lines;
}

TEST(SkListBoxTest, LinesBecomeShownTextAndValue)
{
    const std::vector<EntryCase> cases = {
        {"Chapter 1#;#ch1.htm", "Chapter 1", "ch1.htm"},
        {"Intro", "Intro", ""},
        {"a#;#b#;#c", "a", "b#;#c"},
        {"", "", ""},
        {"#;#x", "", "x"},
    };
    TSkListBox list;
    list.LoadEntries(LinesOf(cases));

    ASSERT_EQ(list.count(), int(cases.size()));
    ASSERT_EQ(list.Entries().size(), qsizetype(cases.size()));
    for (int i = 0; i < int(cases.size()); ++i) {
        SCOPED_TRACE(cases[i].line);
        EXPECT_EQ(list.item(i)->text(), QString::fromUtf8(cases[i].shown));
        EXPECT_EQ(list.EntryValue(i), QString::fromUtf8(cases[i].value));
        EXPECT_EQ(list.Entries()[i], QString::fromUtf8(cases[i].shown) + "#;#" + cases[i].value);
    }
    EXPECT_EQ(list.EntryValue(-1), QString());
    EXPECT_EQ(list.EntryValue(list.count()), QString());
}

TEST(SkListBoxTest, LoadingReplacesTheEntries)
{
    TSkListBox list;
    list.LoadEntries({"a#;#1", "b#;#2", "c#;#3"});
    list.LoadEntries({"d#;#4"});
    ASSERT_EQ(list.count(), 1);
    EXPECT_EQ(list.Entries(), QStringList{"d#;#4"});
    EXPECT_EQ(list.EntryValue(0), "4");
}

TEST(SkComboBoxTest, LinesBecomeEntriesUnlessTheirTextIsEmpty)
{
    const std::vector<EntryCase> cases = {
        {";x", nullptr, nullptr},
        {"Text", "Text", ""},
        {"A;B;C", "A", "B;C"},
        {"", nullptr, nullptr},
        {"Last;last.htm", "Last", "last.htm"},
    };
    TSkComboBox combo;
    combo.LoadEntries(LinesOf(cases));

    QStringList shown;
    QStringList values;
    for (const EntryCase& entry : cases) {
        if (entry.shown) {
            shown.append(QString::fromUtf8(entry.shown));
            values.append(QString::fromUtf8(entry.value));
        }
    }
    ASSERT_EQ(combo.count(), shown.size());
    for (int i = 0; i < combo.count(); ++i)
        EXPECT_EQ(combo.itemText(i), shown[i]);
    EXPECT_EQ(combo.Values(), values);
}

TEST(SkComboBoxTest, SelectedValueFollowsTheSelection)
{
    TSkComboBox combo;
    EXPECT_EQ(combo.SelectedValue(), QString());
    combo.LoadEntries({"One;1", "Two;2", "Three;3"});
    EXPECT_EQ(combo.currentIndex(), -1) << "loading selects nothing";
    EXPECT_EQ(combo.SelectedValue(), QString());
    combo.setCurrentIndex(2);
    EXPECT_EQ(combo.SelectedValue(), "3");
    combo.setCurrentIndex(0);
    EXPECT_EQ(combo.SelectedValue(), "1");
    combo.ClearEntries();
    EXPECT_EQ(combo.SelectedValue(), QString());
    EXPECT_TRUE(combo.Values().isEmpty());
}

TEST(SkComboBoxTest, ReadOnlyRefusesTypedTextAndTypedTextNeverBecomesAnEntry)
{
    TSkComboBox combo;
    combo.LoadEntries({"One;1", "Two;2"});
    combo.show();
    QSignalSpy chosen(&combo, &TSkComboBox::valueChosen);

    EXPECT_FALSE(combo.ReadOnly());
    QTest::keyClicks(&combo, "free");
    QTest::keyClick(&combo, Qt::Key_Return);
    EXPECT_EQ(combo.currentText(), "free");
    EXPECT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.Values().size(), 2);
    EXPECT_EQ(chosen.count(), 4) << "each typed character is a change";

    combo.SetReadOnly(true);
    EXPECT_TRUE(combo.ReadOnly());
    combo.setCurrentIndex(1);
    QTest::keyClicks(&combo, "zz");
    EXPECT_EQ(combo.currentText(), "Two");

    combo.SetReadOnly(false);
    chosen.clear();
    QTest::keyClicks(&combo, "x");
    EXPECT_EQ(chosen.count(), 1) << "the new line edit is hooked too";
}

TEST(SkComboBoxTest, ValueChosenOnlyWhenTheUserPicks)
{
    TSkComboBox combo;
    combo.SetReadOnly(true);
    combo.LoadEntries({"One;1", "Two;2", "Three;3"});
    combo.show();
    QSignalSpy chosen(&combo, &TSkComboBox::valueChosen);

    combo.setCurrentIndex(1);
    EXPECT_EQ(chosen.count(), 0);
    QTest::keyClick(&combo, Qt::Key_Down);
    EXPECT_EQ(chosen.count(), 1);
    EXPECT_EQ(combo.SelectedValue(), "3");
}

TEST(SkListBoxTest, EntryClickedOnlyWhenTheUserChooses)
{
    TSkListBox list;
    list.LoadEntries({"a#;#1", "b#;#2", "c#;#3"});
    list.resize(200, 200);
    list.show();
    QSignalSpy clicked(&list, &TSkListBox::entryClicked);

    list.setCurrentRow(0);
    EXPECT_EQ(clicked.count(), 0);

    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(2)).center());
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(list.EntryValue(list.currentRow()), "3");

    QTest::keyClick(&list, Qt::Key_Up);
    EXPECT_EQ(clicked.count(), 2);
    EXPECT_EQ(list.currentRow(), 1);
    QTest::keyClick(&list, Qt::Key_Shift);
    EXPECT_EQ(clicked.count(), 2) << "a key that moves nothing is no click";
}

class EntryFileTest : public ::testing::Test {
protected:
    TempCourse course;
};

// Course lists are Windows-1251 text with any of the three line ends.
TEST_F(EntryFileTest, ListBoxReadsACourseList)
{
    course.writeFile("lists/chapters.lst", "\xC3\xEB\xE0\xE2\xE0 1#;#ch1.htm\r\nIntro\nB#;#b.htm\rC#;#c.htm\r\n");
    TSkListBox list;
    list.LoadEntryFile("lists\\chapters.lst");
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.item(0)->text(), QString::fromUtf8("Глава 1"));
    EXPECT_EQ(list.EntryValue(0), "ch1.htm");
    EXPECT_EQ(list.EntryValue(1), QString());
    EXPECT_EQ(list.EntryValue(2), "b.htm");
    EXPECT_EQ(list.EntryValue(3), "c.htm");
}

TEST_F(EntryFileTest, EmptyListLeavesAListBoxButEmptiesAComboBox)
{
    course.writeFile("empty.lst", "");
    TSkListBox list;
    list.LoadEntries({"a#;#1"});
    list.LoadEntryFile("empty.lst");
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.Entries().size(), 1);

    TSkComboBox combo;
    combo.LoadEntries({"a;1"});
    combo.LoadEntryFile("empty.lst");
    EXPECT_EQ(combo.count(), 0);
    EXPECT_TRUE(combo.Values().isEmpty());
}

TEST_F(EntryFileTest, ComboBoxReadsACourseListInPlaceOfItsEntries)
{
    course.writeFile("zoom.lst", "\xEF\xBB\xBFWhole page;page\n;skipped\nWidth;width");
    TSkComboBox combo;
    combo.LoadEntries({"old;0"});
    combo.LoadEntryFile("zoom.lst");
    ASSERT_EQ(combo.count(), 2);
    EXPECT_EQ(combo.itemText(0), "Whole page");
    EXPECT_EQ(combo.Values(), (QStringList{"page", "width"}));
}

TEST_F(EntryFileTest, MissingListRaisesTheResourceError)
{
    TSkListBox list;
    list.LoadEntries({"a#;#1"});
    EXPECT_THROW(list.LoadEntryFile("missing.lst"), AppError);
    EXPECT_EQ(list.count(), 1);

    TSkComboBox combo;
    EXPECT_THROW(combo.LoadEntryFile("missing.lst"), AppError);
}

}  // namespace
