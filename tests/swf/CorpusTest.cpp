#include "CorpusCase.h"

#include <QDir>
#include <gtest/gtest.h>

#include <iostream>

namespace {

bool corpusPresent()
{
    return QDir(CorpusCase::corpusRoot()).exists();
}

} // namespace

// Every corpus test listed in passing.txt must keep printing exactly its expected trace.
TEST(SwfCorpus, ListedTestsKeepPassing)
{
    if (!corpusPresent())
        GTEST_SKIP() << "no corpus at " << CorpusCase::corpusRoot().toStdString();
    const QStringList listed = CorpusCase::expectedToPass();
    ASSERT_FALSE(listed.isEmpty());
    for (const QString& name : listed) {
        const CorpusCase test(name);
        const QString difference = CorpusCase::firstDifference(test.run(), test.expected());
        EXPECT_TRUE(difference.isEmpty()) << name.toStdString() << ": " << difference.toStdString();
    }
}

// Runs the whole corpus and prints the pass count, naming passing tests not yet listed.
TEST(SwfCorpus, Survey)
{
    if (!corpusPresent())
        GTEST_SKIP() << "no corpus at " << CorpusCase::corpusRoot().toStdString();
    const QStringList listed = CorpusCase::expectedToPass();
    const QStringList all = CorpusCase::allNames();
    int passed = 0;
    for (const QString& name : all) {
        const CorpusCase test(name);
        if (test.run() != test.expected())
            continue;
        ++passed;
        if (!listed.contains(name))
            std::cout << "passes but not listed: " << name.toStdString() << '\n';
    }
    std::cout << "corpus: " << passed << " of " << all.size() << " pass\n";
    EXPECT_GE(passed, listed.size());
}
