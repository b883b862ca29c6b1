#include "SkCheckBox.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(SkCheckBoxTest, EnableListTakesLowerCasedUntrimmedNames)
{
    struct Case {
        const char* text;
        QStringList names;
    };
    const Case cases[] = {
        {"Edit1;EDIT2", {"edit1", "edit2"}},
        {"", {""}},
        {"a;;B", {"a", "", "b"}},
        {" x ;y", {" x ", "y"}},
        {"a;", {"a"}},
        {";", {""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TSkCheckBox box;
        box.SetEnableList(c.text);
        EXPECT_EQ(box.EnableList(), c.names);
    }
}

TEST(SkCheckBoxTest, EnableListGrowsWithEveryCall)
{
    TSkCheckBox box;
    box.SetEnableList("One");
    box.SetEnableList("Two;Three");
    EXPECT_EQ(box.EnableList(), (QStringList{"one", "two", "three"}));
}

// The scene runs the box's action on every change of state, including the one its "check" key
// makes while the scene loads, and on none when the state stays.
TEST(SkCheckBoxTest, EveryChangeOfStateIsReportedOnce)
{
    TSkCheckBox box;
    box.show();
    QSignalSpy toggled(&box, &TSkCheckBox::toggled);

    box.setChecked(false);
    EXPECT_EQ(toggled.count(), 0);
    box.setChecked(true);
    box.setChecked(true);
    ASSERT_EQ(toggled.count(), 1);
    EXPECT_TRUE(toggled.at(0).at(0).toBool());

    QTest::mouseClick(&box, Qt::LeftButton, {}, box.rect().center());
    ASSERT_EQ(toggled.count(), 2);
    EXPECT_FALSE(toggled.at(1).at(0).toBool());
    EXPECT_FALSE(box.isChecked());
}

}  // namespace
