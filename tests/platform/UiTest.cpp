#include "ScopedScriptedUi.h"

#include <gtest/gtest.h>

namespace {

TEST(UiTest, InstallingHandsBackThePreviousServiceToPutBack)
{
    ScopedScriptedUi outer;
    {
        ScopedScriptedUi inner;
        EXPECT_EQ(&Ui::Instance(), &*inner);
    }
    EXPECT_EQ(&Ui::Instance(), &*outer);
}

}  // namespace
