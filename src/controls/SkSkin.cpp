#include "SkSkin.h"

bool TSkSkin::RegisterFile(const QString& path)
{
    if (path.isEmpty() || FindLink(path))
        return false;
    entries_.push_back({FileNamePart(path), std::make_unique<ThemeFile>(path)});
    return true;
}

const ThemeFile* TSkSkin::FindLink(const QString& path) const
{
    const QString name = FileNamePart(path);
    for (const Entry& entry : entries_) {
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0)
            return entry.link.get();
    }
    return nullptr;
}

QString TSkSkin::FileNamePart(const QString& path)
{
    const qsizetype cut = std::max({path.lastIndexOf('\\'), path.lastIndexOf('/'), path.lastIndexOf(':')});
    return path.mid(cut + 1);
}
