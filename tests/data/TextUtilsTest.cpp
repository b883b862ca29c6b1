#include "QtPrinters.h"
#include "TextUtils.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

TEST(TextUtils, SplitHeadCutsAtTheFirstSeparator)
{
    struct Case {
        QString source, separator, head, rest;
    };
    const Case cases[] = {
        {"a//b", "//", "a", "b"},
        {"abc", "*", "abc", ""},
        {"*x", "*", "", "x"},
        {"a*b*c", "*", "a", "b*c"},
        {"a*B", "b", "a*B", ""},  // case matters
        {"a*b", "", "a*b", ""},
    };
    for (Case c : cases) {
        EXPECT_EQ(SplitHead(c.source, c.separator), c.head) << c.head.toStdString();
        EXPECT_EQ(c.source, c.rest);
    }
}

TEST(TextUtils, SplitHeadWalksEveryItemIncludingEmptyOnes)
{
    QString source = "a**b";
    QStringList heads;
    while (!source.isEmpty())
        heads << SplitHead(source, "*");
    EXPECT_EQ(heads, QStringList({"a", "", "b"}));
}

TEST(TextUtils, CutHeadTakesAtMostNCharacters)
{
    struct Case {
        QString source;
        int n;
        QString head, rest;
    };
    const Case cases[] = {
        {"abcdef", 2, "ab", "cdef"},
        {"ab", 2, "ab", ""},
        {"ab", 5, "ab", ""},
        {"ab", 0, "", "ab"},
        {"ab", -1, "", "ab"},
    };
    for (Case c : cases) {
        EXPECT_EQ(CutHead(c.source, c.n), c.head) << c.n;
        EXPECT_EQ(c.source, c.rest);
    }
}

TEST(TextUtils, PickItemCountsFromOne)
{
    EXPECT_EQ(PickItem("a*b*c", 2), "b");
    EXPECT_EQ(PickItem("a*b*c", 3), "c");
    EXPECT_EQ(PickItem("a**c", 2), "");
    EXPECT_EQ(PickItem("a*b", 3), "");
    EXPECT_EQ(PickItem("a*b", 0), "");
    EXPECT_EQ(PickItem("a*b", -1), "");
}

TEST(TextUtils, GetArgKeepsCaseAndAsksForOpenFileArguments)
{
    const QStringList arguments = {"Page.HTM", "Open_File(.TXT)", "open_file"};
    QStringList filters;
    const FileChooser chooser = [&](const QString& filter) {
        filters << filter;
        return QStringLiteral("/home/u/Chosen.txt");
    };

    EXPECT_EQ(GetArg(arguments, 0, chooser), "Page.HTM");
    EXPECT_EQ(GetArg(arguments, 1, chooser), "/home/u/Chosen.txt");
    EXPECT_EQ(GetArg(arguments, 2, chooser), "/home/u/Chosen.txt");
    EXPECT_EQ(filters, QStringList({"*.txt", "*"}));

    EXPECT_EQ(GetArg(arguments, 3, chooser), "");
    EXPECT_EQ(GetArg(arguments, -1, chooser), "");
    EXPECT_EQ(GetArg(arguments, 1, {}), "");
    EXPECT_EQ(GetArg(arguments, 1, [](const QString&) { return QString(); }), "");
}

TEST(TextUtils, FillTemplateReplacesOrAppendsTheValue)
{
    struct Case {
        const char* tmpl;
        const char* value;
        bool append;
        const char* expected;
    };
    const Case cases[] = {
        {"html_load*page*insert", "x.htm", true, "html_load*page*x.htm"},
        {"a*insert*insert", "v", false, "a*v*v"},
        {"go*", "5", true, "go*5"},
        {"go", "5", true, "go*5"},
        {"go", "5", false, "go"},
        {"go*Insert", "5", false, "go*Insert"},
        {"", "5", true, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FillTemplate(c.tmpl, c.value, c.append), QString(c.expected)) << c.tmpl;
}

TEST(TextUtils, ShortenCaptionCutsAtTheLastSpaceBeforeTheLimit)
{
    struct Case {
        const char* text;
        int n;
        const char* expected;
    };
    const Case cases[] = {
        {"one two three", 10, "one two..."},
        {"abcdefghijkl", 5, "abcd"},
        {"abcde", 5, "abcd"},
        {"abcd", 5, "abcd"},
        {"abc", 0, "abc"},
        {"abc", 1, ""},
        {"a bcdef", 4, "a..."},
        {" abcdef", 4, "..."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ShortenCaption(c.text, c.n), QString(c.expected)) << c.text << " " << c.n;
}

TEST(TextUtils, IndexOfKeyMatchesTheNamePartWithoutRegardToCase)
{
    EXPECT_EQ(IndexOfKey({}, "a"), -1);
    EXPECT_EQ(IndexOfKey({"1.1=a", "1.2=b"}, "1.2"), 1);
    EXPECT_EQ(IndexOfKey({"x=1", QString::fromUtf8("Ключ=2")}, QString::fromUtf8("КЛЮЧ")), 1);
    EXPECT_EQ(IndexOfKey({"a=b=c"}, "a"), 0);
    EXPECT_EQ(IndexOfKey({"a=b=c"}, "a=b"), -1);
    EXPECT_EQ(IndexOfKey({"key", "key=1"}, "key"), 1);  // a line without "=" has no name
}

TEST(TextUtils, FindInListSearchesFromTheStartWithoutRegardToCase)
{
    const QStringList list = {"Alpha", "beta", QString::fromUtf8("Гамма"), "alphabet"};
    EXPECT_EQ(FindInList(list, "ALPH", 0, {}, false), 0);
    EXPECT_EQ(FindInList(list, "ALPH", 1, {}, false), 3);
    EXPECT_EQ(FindInList(list, QString::fromUtf8("АММ"), 0, {}, false), 2);
    EXPECT_EQ(FindInList(list, "bet", 0, {}, false), 1);
    EXPECT_EQ(FindInList(list, "bet", 0, {}, true), 1);
    EXPECT_EQ(FindInList(list, "pha", 0, {}, true), -1);
    EXPECT_EQ(FindInList(list, "zzz", 0, {}, false), -1);
    EXPECT_EQ(FindInList(list, "beta", 4, {}, false), -1);
    EXPECT_EQ(FindInList({}, "a", 0, {}, false), -1);
}

TEST(TextUtils, FindInListReportsTheIndexAfterEachEntry)
{
    const QStringList list = {"a", "b", "c", "d"};
    std::vector<int> positions;
    const SearchProgress progress = [&](int index) { positions.push_back(index); };

    EXPECT_EQ(FindInList(list, "c", 1, progress, false), 2);
    EXPECT_EQ(positions, (std::vector<int>{2, 3}));

    positions.clear();
    EXPECT_EQ(FindInList(list, "x", 0, progress, false), -1);
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 3, 4}));
}

TEST(TextUtils, IsEvenHandlesNegativeNumbers)
{
    EXPECT_TRUE(IsEven(0));
    EXPECT_TRUE(IsEven(-4));
    EXPECT_TRUE(IsEven(INT_MIN));
    EXPECT_FALSE(IsEven(7));
    EXPECT_FALSE(IsEven(-3));
}
