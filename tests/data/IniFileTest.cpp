#include "IniFile.h"

#include "CodePage.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Scene files are Windows-1251: tests write their text in it.
IniFile FromText(const QString& text)
{
    return IniFile::FromBytes(CodePage::ToAnsi(text));
}

QString U(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

}  // namespace

TEST(IniFile, ValueIsTrimmedTextAfterFirstEqualsWithoutEnclosingQuotes)
{
    struct Case {
        QByteArray line;
        QByteArray expected;
    };
    const std::vector<Case> cases = {
        {"key=value", "value"},
        {"  key  =  value  ", "value"},
        {"\tkey\t=\tvalue\t", "value"},
        {"key=a = b", "a = b"},
        {"key=value ; not a comment", "value ; not a comment"},
        {"key=", ""},
        {"KEY=upper", "upper"},
        {"key=\"double\"", "double"},
        {"key='single'", "single"},
        {"key=  \" keeps inner blanks \"  ", " keeps inner blanks "},
        {"key=\"\"", ""},
        {"key=\"", "\""},
        {"key=\"mixed'", "\"mixed'"},
        {"key=\"a\" and \"b\"", "a\" and \"b"},
        {"key=''inner''", "'inner'"},
        {"key=\xA0nbsp\xA0", "\xA0nbsp\xA0"},  // only spaces and tabs are blanks
        {QByteArray("key=a\x00z", 7), QByteArray("a\x00z", 3)},
        {"; key=comment", "<default>"},
        {"   ;key=comment", "<default>"},
        {"key", "<default>"},
        {"key value", "<default>"},
        {"= value", "<default>"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const IniFile ini = IniFile::FromBytes("[s]\r\n" + c.line + "\r\nother=1\r\n");
        EXPECT_EQ(ini.ReadString("s", "key", "<default>"), CodePage::FromAnsi(c.expected));
        EXPECT_EQ(ini.ReadString("s", "other"), "1");
    }
}

TEST(IniFile, AcceptsEveryLineEnd)
{
    for (const char* end : {"\r\n", "\n", "\r", "\n\r\n\r"}) {
        SCOPED_TRACE(QByteArray(end).toHex().toStdString());
        const QByteArray text =
            QByteArray("[one]") + end + "a=1" + end + "[two]" + end + "  b = 2";
        const IniFile ini = IniFile::FromBytes(text);
        EXPECT_EQ(ini.SectionNames(), QStringList({"one", "two"}));
        EXPECT_EQ(ini.ReadString("one", "a"), "1");
        EXPECT_EQ(ini.ReadString("two", "b"), "2");
        EXPECT_EQ(ini.ReadString("one", "b"), "");
    }
}

TEST(IniFile, SectionHeaderNamesTextUpToLastClosingBracket)
{
    struct Case {
        const char* header;
        const char* name;  // nullptr: the line starts no section
    };
    const std::vector<Case> cases = {
        {"[main]", "main"},
        {"  \t[main]  ", "main"},
        {"[main] text after", "main"},
        {"[a]b]", "a]b"},
        {"[ main ]", " main "},
        {"[main", nullptr},
        {"main]", nullptr},
        {"[]", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        const IniFile ini = IniFile::FromBytes(QByteArray(c.header) + "\nkey=v\n");
        if (!c.name) {
            EXPECT_TRUE(ini.SectionNames().isEmpty());
            continue;
        }
        EXPECT_EQ(ini.SectionNames(), QStringList({c.name}));
        EXPECT_EQ(ini.ReadString(c.name, "key"), "v");
    }
}

TEST(IniFile, ComparesCyrillicNamesWithoutRegardToCase)
{
    const QString text = U("[Главная Ёлка]\r\nЗаголовок=Самоучитель\r\nType=Form\r\n");
    for (const IniFile& ini : {FromText(text), IniFile::FromBytes("\xEF\xBB\xBF" + text.toUtf8())}) {
        EXPECT_EQ(ini.SectionNames(), QStringList({U("Главная Ёлка")}));
        EXPECT_EQ(ini.KeyNames(U("гЛАВНАЯ ёЛКА")), QStringList({U("Заголовок"), "Type"}));
        EXPECT_EQ(ini.ReadString(U("ГЛАВНАЯ ЁЛКА"), U("заГОЛОВОК")), U("Самоучитель"));
        EXPECT_EQ(ini.ReadString(U("главная ёлка"), "TYPE"), "Form");
        EXPECT_TRUE(ini.SectionExists(U("главная ёлка")));
    }
}

TEST(IniFile, FirstOfRepeatedSectionOrKeyIsRead)
{
    const IniFile ini = FromText(
        "[obj]\n"
        "type=button\n"
        "Caption=first\n"
        "caption=second\n"
        "[other]\n"
        "x=1\n"
        "[OBJ]\n"
        "caption=third\n"
        "extra=1\n");
    EXPECT_EQ(ini.SectionNames(), QStringList({"obj", "other", "OBJ"}));
    EXPECT_EQ(ini.KeyNames("Obj"), QStringList({"type", "Caption", "caption"}));
    EXPECT_EQ(ini.ReadString("obj", "CAPTION"), "first");
    EXPECT_EQ(ini.ReadString("obj", "extra", "none"), "none");
}

TEST(IniFile, KeysOutsideNamedSectionsAreNotSeen)
{
    const IniFile ini = FromText("a=1\n[]\nb=2\n[s]\nc=3\n");
    EXPECT_EQ(ini.SectionNames(), QStringList({"s"}));
    EXPECT_EQ(ini.KeyNames("s"), QStringList({"c"}));
    EXPECT_TRUE(ini.KeyNames("").isEmpty());
    EXPECT_FALSE(ini.SectionExists(""));
    EXPECT_EQ(ini.ReadString("", "a", "none"), "none");
    EXPECT_EQ(ini.ReadString("", "b", "none"), "none");
}

TEST(IniFile, MissingSectionOrKeyReadsAsDefault)
{
    const IniFile ini = FromText("[empty]\n[s]\nblank=\n");
    EXPECT_TRUE(ini.SectionExists("EMPTY"));
    EXPECT_TRUE(ini.KeyNames("empty").isEmpty());
    EXPECT_FALSE(ini.SectionExists("missing"));
    EXPECT_TRUE(ini.KeyNames("missing").isEmpty());
    EXPECT_EQ(ini.ReadString("missing", "blank", "d"), "d");
    EXPECT_EQ(ini.ReadString("s", "absent", "d"), "d");
    EXPECT_EQ(ini.ReadString("s", "absent"), "");
    EXPECT_EQ(ini.ReadString("s", "blank", "d"), "");
}

// The list buffer holds 16,384 bytes. 163 names of 99 Cyrillic letters (one byte each in
// Windows-1251) take 16,300 of them with their zero bytes, leaving 82 for the text of the next
// name before the last two zeros.
TEST(IniFile, NameListsStopAtTheBufferEnd)
{
    QStringList filler;
    for (int i = 0; i < 163; ++i)
        filler.append(QString(95, QChar(0x0416)) + QString::number(i).rightJustified(4, u'0'));

    const auto sectionsOf = [](const QStringList& names) {
        return FromText("[" + names.join("]\n[") + "]\n").SectionNames();
    };
    const auto keysOf = [](const QStringList& names) {
        return FromText("[s]\n" + names.join("=1\n") + "=1\n").KeyNames("s");
    };

    struct Case {
        int tailLength;
        QStringList listedAfterFiller;
    };
    const QString tail80(80, u'T'), tail81(81, u'T'), tail82(82, u'T'), tail83(83, u'T');
    const std::vector<Case> cases = {
        {80, {tail80, "z"}},  // one byte of room left: "zz" is cut to "z"
        {81, {tail81}},       // no room left for "zz"
        {82, {tail82}},       // fills the room exactly
        {83, {tail82}},       // cut to the room
    };
    for (const auto& listOf : std::vector<std::function<QStringList(const QStringList&)>>{sectionsOf, keysOf}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(c.tailLength);
            const QStringList listed = listOf(filler + QStringList{QString(c.tailLength, u'T'), "zz", "after"});
            ASSERT_GE(listed.size(), 163);
            EXPECT_EQ(listed.first(163), filler);
            EXPECT_EQ(listed.sliced(163), c.listedAfterFiller);
        }
    }
}

TEST(IniFile, SectionsBeyondTheNameListCanStillBeRead)
{
    QString text;
    for (int i = 0; i < 3000; ++i)
        text += QString("[section%1]\nkey=%1\n").arg(i, 4, 10, QChar(u'0'));
    const IniFile ini = FromText(text);
    EXPECT_LT(ini.SectionNames().size(), 3000);
    EXPECT_EQ(ini.ReadString("section2999", "key"), "2999");
}

// A value is read into 2,048 bytes, its terminating zero included.
TEST(IniFile, ValueIsCutAfter2047Characters)
{
    const QChar zhe(0x0436);
    struct Case {
        QString written;
        QString read;
    };
    const std::vector<Case> cases = {
        {QString(2047, zhe), QString(2047, zhe)},
        {QString(2047, zhe) + "x", QString(2047, zhe)},
        {"  " + QString(2047, zhe) + "  ", QString(2047, zhe)},
        {"\"" + QString(2047, zhe) + "\"", QString(2047, zhe)},
        {"\"" + QString(2047, zhe) + "x\"", QString(2047, zhe)},
        {QString(4 << 20, zhe), QString(2047, zhe)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written.size());
        EXPECT_EQ(FromText("[s]\nkey=" + c.written + "\n").ReadString("s", "key"), c.read);
    }
}

TEST(IniFile, IgnoresJunkLines)
{
    const QByteArray bytes("[s]\n\x01\x02\xFF\n\0\0\0\n\t\nkey=v\n\x9B[\n", 23);
    const IniFile ini = IniFile::FromBytes(bytes);
    EXPECT_EQ(ini.SectionNames(), QStringList({"s"}));
    EXPECT_EQ(ini.KeyNames("s"), QStringList({"key"}));
    EXPECT_EQ(ini.ReadString("s", "key"), "v");
}

TEST(IniFile, ReadsFileAndTreatsUnreadableFileAsEmpty)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("struct.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(CodePage::ToAnsi(U("[форма]\r\ncaption=Самоучитель\r\n")));
    file.close();

    EXPECT_EQ(IniFile::FromFile(path).ReadString(U("Форма"), "caption"), U("Самоучитель"));
    EXPECT_TRUE(IniFile::FromFile(dir.filePath("missing.txt")).SectionNames().isEmpty());
}
