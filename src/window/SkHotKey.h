#pragma once

#include <QString>
#include <QtGlobal>
#include <vector>

// A window's hot-key table: records in the order they were added, each bound to one page of the
// window's page book or to every page (-1).
class TSkHotKey {
public:
    struct TData {
        int Page = -1;
        QString Action;
        quint16 ShortCut = 0;
    };

    // `text` is "shortcut*action"; a shortcut that cannot be read is kept with the value 0, which
    // no key press matches.
    void Add(const QString& text, int page);

    int Count() const { return int(records_.size()); }
    int GetPage(int i) const;
    quint16 GetShortCut(int i) const;
    QString GetAction(int i) const;

    // The first record for this key on this page (or on every page), or nullptr.
    const TData* Find(quint16 shortCut, int page) const;

private:
    std::vector<TData> records_;
};
