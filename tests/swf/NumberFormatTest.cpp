#include "swf/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

TEST(NumberFormat, ScriptNumbersPrintAsTheFlashPlayerPrintsThem)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {3, "3"},
        {-2.5, "-2.5"},
        {0.1, "0.1"},
        {1.0 / 3, "0.333333333333333"},
        {12.34 / 3, "4.11333333333333"},
        {123456789012345, "123456789012345"},
        {1e15, "1e+15"},
        {1.5e21, "1.5e+21"},
        {0.0001, "0.0001"},
        {1e-7, "1e-7"},
        {4294967295.0, "4294967295"},
        {std::nan(""), "NaN"},
        {std::numeric_limits<double>::infinity(), "Infinity"},
        {-std::numeric_limits<double>::infinity(), "-Infinity"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(swf::formatNumber(c.value).toStdString(), c.text) << c.value;
}
