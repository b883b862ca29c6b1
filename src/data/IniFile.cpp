#include "IniFile.h"

#include "CodePage.h"

#include <QFile>

namespace {

bool IsBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool IsLineBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

QStringView TrimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

// A value enclosed in a pair of the same quote character loses them.
QStringView Unquote(QStringView value)
{
    const bool quoted = value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'')
                        && value.back() == value.front();
    return quoted ? value.sliced(1, value.size() - 2) : value;
}

// Fits a name list into the reader's buffer: each name takes its length plus a zero byte, and the
// list ends with one more zero. A name that reaches the last two bytes is cut before them and
// ends the list; an empty remainder adds nothing, because an empty name marks the end.
QStringList FitNameList(const QStringList& names)
{
    QStringList fitted;
    qsizetype room = IniFile::kNameListBytes - 2;
    for (const QString& name : names) {
        if (name.size() >= room) {
            if (room > 0)
                fitted.append(name.left(room));
            break;
        }
        fitted.append(name);
        room -= name.size() + 1;
    }
    return fitted;
}

}  // namespace

IniFile IniFile::FromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return IniFile();
    return FromBytes(file.readAll());
}

IniFile IniFile::FromBytes(const QByteArray& bytes)
{
    IniFile ini;
    const QString text = CodePage::DecodeText(bytes);
    const QStringView view(text);
    qsizetype start = 0;
    while (start < view.size()) {
        qsizetype end = start;
        while (end < view.size() && !IsLineBreak(view[end]))
            ++end;
        ini.ParseLine(view.sliced(start, end - start));
        start = end + 1;
    }
    return ini;
}

void IniFile::ParseLine(QStringView line)
{
    line = TrimBlanks(line);
    if (line.isEmpty() || line.front() == u';')
        return;
    if (line.front() == u'[') {
        const qsizetype close = line.lastIndexOf(u']');
        if (close > 0) {
            AddSection(line.sliced(1, close - 1));
            return;
        }
    }
    const qsizetype equals = line.indexOf(u'=');
    if (equals >= 0)
        AddKey(TrimBlanks(line.first(equals)), TrimBlanks(line.sliced(equals + 1)));
}

void IniFile::AddSection(QStringView name)
{
    current_ = -1;
    if (name.isEmpty())
        return;
    sectionNames_.append(name.toString());
    const QString folded = name.toString().toCaseFolded();
    if (sectionIndex_.contains(folded))
        return;
    current_ = sections_.size();
    sections_.append(Section());
    sectionIndex_.insert(folded, current_);
}

void IniFile::AddKey(QStringView name, QStringView value)
{
    if (current_ < 0 || name.isEmpty())
        return;
    Section& section = sections_[current_];
    section.keyNames.append(name.toString());
    const QString folded = name.toString().toCaseFolded();
    if (!section.values.contains(folded))
        section.values.insert(folded, Unquote(value).left(kValueBytes - 1).toString());
}

const IniFile::Section* IniFile::FindSection(const QString& name) const
{
    const auto it = sectionIndex_.constFind(name.toCaseFolded());
    return it == sectionIndex_.constEnd() ? nullptr : &sections_[*it];
}

QStringList IniFile::SectionNames() const
{
    return FitNameList(sectionNames_);
}

QStringList IniFile::KeyNames(const QString& section) const
{
    const Section* found = FindSection(section);
    return found ? FitNameList(found->keyNames) : QStringList();
}

QString IniFile::ReadString(const QString& section, const QString& key,
                            const QString& defaultValue) const
{
    const Section* found = FindSection(section);
    if (!found)
        return defaultValue;
    return found->values.value(key.toCaseFolded(), defaultValue);
}

bool IniFile::SectionExists(const QString& section) const
{
    return FindSection(section) != nullptr;
}
