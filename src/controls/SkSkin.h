#pragma once

#include "ThemeFile.h"

#include <QString>
#include <memory>
#include <vector>

// The theme files registered in one scene, by file name: the first file of a name wins, so
// every control and the window that name it share one theme link.
class TSkSkin {
public:
    // Registers the file; true when this made a new entry (the caller then binds to its link).
    bool RegisterFile(const QString& path);

    // The link registered under the file-name part of `path`, or nullptr.
    const ThemeFile* FindLink(const QString& path) const;

private:
    struct Entry {
        QString name;
        std::unique_ptr<ThemeFile> link;
    };

    static QString FileNamePart(const QString& path);

    std::vector<Entry> entries_;
};
