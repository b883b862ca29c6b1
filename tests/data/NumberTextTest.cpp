#include "AppError.h"
#include "NumberText.h"
#include "QtPrinters.h"

#include <gtest/gtest.h>

TEST(NumberText, StrToIntReadsDecimalAndHexadecimal)
{
    const std::pair<const char*, int> cases[] = {
        {"0", 0},
        {"  42", 42},
        {"+7", 7},
        {"-15", -15},
        {"007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1},
        {"$FF", 255},
        {"$ff", 255},
        {"0x1A", 26},
        {"0X1a", 26},
        {"-$10", -16},
        {" -0x10", -16},
        {"$7FFFFFFF", 0x7FFFFFFF},
        {"$FFFFFFFF", -1},
        {"$FF00000F", static_cast<int>(0xFF00000Fu)},
        {"$000000000FF", 255},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(StrToInt(text), expected) << text;
}

TEST(NumberText, StrToIntRejectsEverythingElseWithTheTextAsGiven)
{
    const char* const cases[] = {
        "", " ", "-", "+", "$", "0x", "x1", "12 ", "1 2", "1.5", "1e3", "abc", "FF", "\t5",
        "--1", "$-1", "2147483648", "-2147483649", "$100000000", "99999999999999999999",
    };
    for (const char* text : cases) {
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const AppError& error) {
            EXPECT_EQ(error.kind(), AppError::Kind::Conversion);
            EXPECT_EQ(error.text(), QString("'%1' is not a valid integer value").arg(text));
        }
    }
}
