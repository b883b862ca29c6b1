#pragma once

#include <QString>

// A theme file: a Qt style sheet in text, UTF-8 (with or without a byte-order mark) or else
// Windows-1251, read once by its Windows-style path (a loose file, else the data archive's
// member of that name). A file that cannot be read, is empty, or is
// not text (a foreign binary skin) gives no theme, without any message, so the default look stays.
class ThemeFile {
public:
    explicit ThemeFile(const QString& path);

    const QString& Path() const { return path_; }
    bool HasTheme() const { return !styleSheet_.isEmpty(); }
    const QString& StyleSheet() const { return styleSheet_; }  // empty without a theme

private:
    QString path_;
    QString styleSheet_;
};
