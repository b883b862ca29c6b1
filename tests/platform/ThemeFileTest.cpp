#include "CodePage.h"
#include "TempCourse.h"
#include "ThemeFile.h"

#include <gtest/gtest.h>

namespace {

const QString kSheet = QString::fromUtf8("/* синяя тема */\nQWidget { background-color: #336699; }\n");

}  // namespace

TEST(ThemeFileTest, ReadsStyleSheetsAndQuietlyIgnoresEverythingElse)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        QString sheet;  // empty: no theme
    };
    const Case cases[] = {
        {"utf-8", kSheet.toUtf8(), kSheet},
        {"utf-8 with byte-order mark", "\xEF\xBB\xBF" + kSheet.toUtf8(), kSheet},
        {"windows-1251", CodePage::ToAnsi(kSheet), kSheet},
        {"binary with zero bytes", QByteArray("TPF0\0\0\x01skin", 11), {}},
        {"binary without zero bytes", "\x01\x02\x03\xFF\xFE skin data", {}},
        {"empty", "", {}},
        {"blank", " \r\n\t\n", {}},
    };
    TempCourse course;
    for (const Case& c : cases) {
        course.writeFile("theme.qss", c.bytes);
        const ThemeFile theme(course.filePath("theme.qss"));
        EXPECT_EQ(theme.HasTheme(), !c.sheet.isEmpty()) << c.name;
        EXPECT_EQ(theme.StyleSheet(), c.sheet) << c.name;
    }
}

TEST(ThemeFileTest, ReadsByWindowsStylePathAndKeepsThePathAsGiven)
{
    TempCourse course;
    course.writeFile("Skins/Blue.qss", kSheet.toUtf8());
    const QString path = course.path() + "SKINS\\blue.QSS";

    const ThemeFile theme(path);
    EXPECT_TRUE(theme.HasTheme());
    EXPECT_EQ(theme.StyleSheet(), kSheet);
    EXPECT_EQ(theme.Path(), path);

    EXPECT_FALSE(ThemeFile(course.path() + "Skins\\missing.qss").HasTheme());
}
