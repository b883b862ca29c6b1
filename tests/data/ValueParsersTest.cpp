#include "AppError.h"
#include "QtPrinters.h"
#include "ValueParsers.h"

#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

TEST(ValueParsers, ParseBoolKnowsFourWordsAndOtherwiseTakesTheDefault)
{
    const std::pair<const char*, int> cases[] = {
        {"  TRUE \t", 1}, {"1", 1}, {"\x01true\r\n", 1}, {"False", 0}, {" 0 ", 0},
        {"yes", -1}, {"", -1}, {"2", -1}, {"t rue", -1},
    };
    for (const auto& [text, expected] : cases) {
        for (const bool fallback : {false, true}) {
            const bool wanted = expected < 0 ? fallback : expected == 1;
            EXPECT_EQ(ParseBool(text, fallback), wanted) << "'" << text << "' default " << fallback;
        }
    }
}

TEST(ValueParsers, ParseColorReadsWebPlatformAndBareHexadecimal)
{
    const std::pair<const char*, TColor> cases[] = {
        {"#FF8000", 0x0080FF},
        {"$0080FF", 0x0080FF},
        {"0080FF", 0x0080FF},
        {"#ff8000", 0x0080FF},
        {"FF0000", 0xFF0000},
        {"255", 0x255},
        {"#12345", 0x12345},         // five digits are taken as they are
        {"#11223344", 0x332211},     // past the sixth digit nothing counts
        {"$8000000F", static_cast<TColor>(0x8000000Fu)},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParseColor(text), expected) << text;
}

TEST(ValueParsers, ParseColorFailsWithTheConversionErrorOfTheHexText)
{
    const std::pair<const char*, const char*> cases[] = {
        {"", "'$' is not a valid integer value"},
        {"red", "'$red' is not a valid integer value"},
        {"#GG0000", "'$0000GG' is not a valid integer value"},
        {" #FF8000", "'$ #FF8000' is not a valid integer value"},
    };
    for (const auto& [text, message] : cases) {
        try {
            ParseColor(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const AppError& error) {
            EXPECT_EQ(error.kind(), AppError::Kind::Conversion);
            EXPECT_EQ(error.text(), QString(message));
        }
    }
}

TEST(ValueParsers, ColorToQColorReadsRedFromTheLowByte)
{
    EXPECT_EQ(ColorToQColor(ParseColor("#FF8000")), QColor(255, 128, 0));
    EXPECT_EQ(ColorToQColor(0x00FF0000), QColor(0, 0, 255));
    EXPECT_FALSE(ColorToQColor(clNone).isValid());
    EXPECT_FALSE(ColorToQColor(clDefault).isValid());
}

TEST(ValueParsers, SystemColorsFollowThePaletteOrTheClassicScheme)
{
    const QPalette palette = QGuiApplication::palette();
    const auto system = [](int index) { return ColorToQColor(static_cast<TColor>(0x80000000u | index)); };
    EXPECT_EQ(system(15), palette.color(QPalette::Active, QPalette::Button));
    EXPECT_EQ(system(8), palette.color(QPalette::Active, QPalette::Text));
    EXPECT_EQ(system(24), palette.color(QPalette::Active, QPalette::ToolTipBase));
    EXPECT_EQ(system(17), palette.color(QPalette::Disabled, QPalette::Text));
    EXPECT_EQ(system(1), QColor(58, 110, 165));  // the desktop has no palette role
    EXPECT_EQ(system(200), QColor(Qt::black));
}

TEST(ValueParsers, ParseAlignmentCentresAnythingButLeftAndRight)
{
    EXPECT_EQ(ParseAlignment("RIGHT"), Qt::AlignRight);
    EXPECT_EQ(ParseAlignment("Left"), Qt::AlignLeft);
    EXPECT_EQ(ParseAlignment("center"), Qt::AlignHCenter);
    EXPECT_EQ(ParseAlignment(""), Qt::AlignHCenter);
    EXPECT_EQ(ParseAlignment(" left"), Qt::AlignHCenter);
}

TEST(ValueParsers, ParseAlignKnowsTheSevenNames)
{
    const std::pair<const char*, Align> cases[] = {
        {"none", Align::None}, {"TOP", Align::Top}, {"Bottom", Align::Bottom},
        {"left", Align::Left}, {"Right", Align::Right}, {"Client", Align::Client},
        {"custom", Align::Custom}, {"middle", Align::None}, {"", Align::None},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ParseAlign(text), expected) << text;
}
