#pragma once

#include <QString>
#include <QStringList>

// One folder of the SWF conformance corpus: its movie, how many frames to run and the trace
// lines it must print.
class CorpusCase {
public:
    static QString corpusRoot();
    // Every folder below the corpus root with a test.swf and an output.txt, relative names.
    static QStringList allNames();
    // Names listed in tests/swf/passing.txt ('#' starts a comment).
    static QStringList expectedToPass();

    explicit CorpusCase(const QString& name);

    int frames() const { return m_frames; }
    QString expected() const;
    // Runs the movie headless and returns its trace lines, one per line.
    QString run() const;
    // Where two outputs part, for failure messages; empty when they are equal.
    static QString firstDifference(const QString& actual, const QString& expected);

private:
    QString m_dir;
    int m_frames = 1;
};
