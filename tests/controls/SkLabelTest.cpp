#include "SkLabel.h"
#include "ValueParsers.h"

#include <gtest/gtest.h>

namespace {

TEST(SkLabelTest, LinkLookReplacesTheFontStyleColourAndCursor)
{
    QWidget parent;
    parent.setCursor(Qt::CrossCursor);
    TSkLabel& label = *new TSkLabel(&parent);
    QFont styled = label.font();
    styled.setBold(true);
    styled.setItalic(true);
    styled.setStrikeOut(true);
    label.setFont(styled);

    label.SetLinkLook(true);
    EXPECT_TRUE(label.font().underline());
    EXPECT_FALSE(label.font().bold());
    EXPECT_FALSE(label.font().italic());
    EXPECT_FALSE(label.font().strikeOut());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);

    label.SetLinkLook(false);
    EXPECT_FALSE(label.font().underline());
    EXPECT_FALSE(label.font().bold());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), ColorToQColor(static_cast<TColor>(0x80000008u)));
    EXPECT_FALSE(label.testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(label.cursor().shape(), Qt::CrossCursor) << "the default cursor is the parent's";
}

}  // namespace
