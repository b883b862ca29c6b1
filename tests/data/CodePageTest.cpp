#include "CodePage.h"

#include <gtest/gtest.h>

TEST(CodePage, RoundTripsCyrillicAndAscii)
{
    const QString text = QString::fromUtf8("Самоучитель ёЁ №1 abc");
    const QByteArray ansi = CodePage::ToAnsi(text);
    EXPECT_EQ(ansi.size(), text.size());
    EXPECT_EQ(static_cast<unsigned char>(ansi[0]), 0xD1);  // "С"
    EXPECT_EQ(CodePage::FromAnsi(ansi), text);
}

TEST(CodePage, ExactEncodingRefusesCharactersOutsideTheCodePage)
{
    EXPECT_FALSE(CodePage::ToAnsiExact(QString::fromUtf8("日本")).has_value());
    EXPECT_EQ(CodePage::ToAnsi(QString::fromUtf8("a日")), QByteArray("a?"));
}

TEST(CodePage, DecodeTextHonoursUtf8ByteOrderMark)
{
    EXPECT_EQ(CodePage::DecodeText("\xEF\xBB\xBF\xD0\xAF"), QString::fromUtf8("Я"));
    EXPECT_EQ(CodePage::DecodeText("\xDF"), QString::fromUtf8("Я"));
}
