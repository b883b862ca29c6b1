#include "SkHotKey.h"

#include "ShortCut.h"
#include "TextUtils.h"

void TSkHotKey::Add(const QString& text, int page)
{
    QString rest = text;
    const QString key = SplitHead(rest, QStringLiteral("*"));
    records_.push_back({page, rest, ShortCut::FromText(key)});
}

int TSkHotKey::GetPage(int i) const
{
    return i >= 0 && i < Count() ? records_[i].Page : 0;
}

quint16 TSkHotKey::GetShortCut(int i) const
{
    return i >= 0 && i < Count() ? records_[i].ShortCut : 0;
}

QString TSkHotKey::GetAction(int i) const
{
    return i >= 0 && i < Count() ? records_[i].Action : QString();
}

const TSkHotKey::TData* TSkHotKey::Find(quint16 shortCut, int page) const
{
    if (shortCut == 0)
        return nullptr;
    for (const TData& record : records_) {
        if (record.ShortCut == shortCut && (record.Page == -1 || record.Page == page))
            return &record;
    }
    return nullptr;
}
