#include "TextUtils.h"

#include <algorithm>
#include <utility>

QString SplitHead(QString& source, const QString& separator)
{
    const qsizetype at = separator.isEmpty() ? -1 : source.indexOf(separator);
    if (at < 0)
        return std::exchange(source, QString());
    const QString head = source.left(at);
    source.remove(0, at + separator.size());
    return head;
}

QString CutHead(QString& source, int n)
{
    const qsizetype count = std::clamp<qsizetype>(n, 0, source.size());
    const QString head = source.left(count);
    source.remove(0, count);
    return head;
}

QString PickItem(const QString& text, int n)
{
    if (n < 1)
        return {};
    const QStringList items = text.split(u'*');
    return n <= items.size() ? items[n - 1] : QString();
}

QString GetArg(const QStringList& arguments, int index, const FileChooser& chooseFile)
{
    if (index < 0 || index >= arguments.size())
        return {};
    const QString& argument = arguments[index];
    QString rest = argument.toLower();
    if (SplitHead(rest, QStringLiteral("(")) != u"open_file")
        return argument;
    const QString filter = u'*' + SplitHead(rest, QStringLiteral(")"));
    return chooseFile ? chooseFile(filter) : QString();
}

QString FillTemplate(const QString& tmpl, const QString& value, bool append)
{
    static const QString kPlaceholder = QStringLiteral("insert");
    if (tmpl.contains(kPlaceholder))
        return QString(tmpl).replace(kPlaceholder, value);
    if (!append || tmpl.isEmpty())
        return tmpl;
    return tmpl.endsWith(u'*') ? tmpl + value : tmpl + u'*' + value;
}

QString ShortenCaption(const QString& text, int n)
{
    if (n <= 0 || text.size() < n)
        return text;
    const QString kept = text.left(n - 1);
    const qsizetype space = kept.lastIndexOf(u' ');
    return space < 0 ? kept : kept.left(space) + QStringLiteral("...");
}

int IndexOfKey(const QStringList& lines, const QString& key)
{
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const qsizetype equals = lines[i].indexOf(u'=');
        if (equals >= 0 && QStringView(lines[i]).left(equals).compare(key, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

int FindInList(const QStringList& list, const QString& text, int start,
               const SearchProgress& progress, bool prefix)
{
    const QString wanted = text.toLower();
    for (int i = std::max(start, 0); i < list.size();) {
        const QString entry = list[i].toLower();
        const bool match = prefix ? entry.startsWith(wanted) : entry.contains(wanted);
        const int found = i++;
        if (progress)
            progress(i);
        if (match)
            return found;
    }
    return -1;
}

bool IsEven(int number)
{
    return number % 2 == 0;
}
