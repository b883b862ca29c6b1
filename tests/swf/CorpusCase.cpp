#include "CorpusCase.h"

#include "swf/SwfError.h"
#include "swf/SwfPlayer.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

namespace {

QString readText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

// Only the two keys that say how long to run matter here.
int framesToRun(const QString& toml)
{
    static const QRegularExpression key(QStringLiteral("^\\s*num_(frames|ticks)\\s*=\\s*(\\d+)"),
                                        QRegularExpression::MultilineOption);
    const auto match = key.match(toml);
    return match.hasMatch() ? match.captured(2).toInt() : 1;
}

} // namespace

QString CorpusCase::corpusRoot()
{
    return QStringLiteral(SWF_CORPUS_DIR);
}

QStringList CorpusCase::allNames()
{
    QStringList names;
    QDirIterator it(corpusRoot(), {QStringLiteral("output.txt")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        if (QFile::exists(info.dir().filePath(QStringLiteral("test.swf"))))
            names << QDir(corpusRoot()).relativeFilePath(info.path());
    }
    names.sort();
    return names;
}

QStringList CorpusCase::expectedToPass()
{
    QStringList names;
    for (const QString& line : readText(QStringLiteral(SWF_TESTS_DIR "/passing.txt")).split(QLatin1Char('\n'))) {
        const QString name = line.section(QLatin1Char('#'), 0, 0).trimmed();
        if (!name.isEmpty())
            names << name;
    }
    return names;
}

CorpusCase::CorpusCase(const QString& name)
    : m_dir(QDir(corpusRoot()).filePath(name))
{
    m_frames = framesToRun(readText(QDir(m_dir).filePath(QStringLiteral("test.toml"))));
}

QString CorpusCase::expected() const
{
    return readText(QDir(m_dir).filePath(QStringLiteral("output.txt")));
}

QString CorpusCase::run() const
{
    QFile file(QDir(m_dir).filePath(QStringLiteral("test.swf")));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<cannot open test.swf>");
    QStringList lines;
    bool quit = false;
    swf::SwfPlayer player;
    player.setTraceHandler([&](const QString& line) { lines << line; });
    player.setFsCommandHandler([&](const QString& command, const QString&) {
        quit = quit || command.compare(QLatin1String("quit"), Qt::CaseInsensitive) == 0;
    });
    try {
        player.load(file.readAll());
        for (int i = 0; i < m_frames && !quit; ++i)
            player.tick();
    } catch (const swf::SwfError& error) {
        lines << QStringLiteral("<error: %1>").arg(error.text());
    }
    QString text = lines.join(QLatin1Char('\n'));
    while (text.endsWith(QLatin1Char('\n')))
        text.chop(1);   // output.txt files are compared without trailing blank lines
    return text;
}

QString CorpusCase::firstDifference(const QString& actual, const QString& expected)
{
    const QStringList a = actual.split(QLatin1Char('\n'));
    const QStringList e = expected.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < std::max(a.size(), e.size()); ++i) {
        const QString got = i < a.size() ? a[i] : QStringLiteral("<end>");
        const QString want = i < e.size() ? e[i] : QStringLiteral("<end>");
        if (got != want)
            return QStringLiteral("line %1: got \"%2\", expected \"%3\"").arg(i + 1).arg(got, want);
    }
    return QString();
}
