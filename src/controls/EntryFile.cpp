#include "EntryFile.h"

#include "CodePage.h"
#include "ResourceLoader.h"

namespace {

QStringList SplitLines(const QString& text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

}  // namespace

QStringList TextLines(const QByteArray& bytes)
{
    const QString text = CodePage::DecodeText(bytes);
    return SplitLines(text.left(text.indexOf(QChar(0))));
}

QStringList ReadEntryLines(const QString& name)
{
    return TextLines(GetData(name));
}
