#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// A read-only INI file with the reading rules of the Windows private-profile reader, which scene
// files are written for:
// - section and key names are compared without regard to case;
// - the first of two sections with one name, and the first of two keys with one name in a
//   section, is the one read;
// - a value is the text after the first "=" without leading and trailing blanks (spaces and
//   tabs), and loses a pair of enclosing quotes ("..." or '...');
// - lines end in CR LF, LF or CR; a line starting with ";" is a comment; a line that is neither
//   "[section]" nor holds "=" is ignored, and so are keys before the first section or under an
//   empty name "[]";
// - name lists and values pass through the fixed buffers that reader fills (see below).
// The text is decoded from Windows-1251, or from UTF-8 after a UTF-8 byte-order mark.
class IniFile {
public:
    // Bytes of the buffer that receives a list of section or key names: each name in the 8-bit
    // code page (one byte per UTF-16 unit) followed by a zero byte, and a zero after the last.
    static constexpr qsizetype kNameListBytes = 16384;
    // Bytes of the buffer that receives a value, its terminating zero included.
    static constexpr qsizetype kValueBytes = 2048;

    // An empty file: no sections.
    IniFile() = default;

    // Reads the file at a native path. A file that cannot be read reads as an empty one.
    static IniFile FromFile(const QString& path);
    static IniFile FromBytes(const QByteArray& bytes);

    // Section names in file order, a name written twice listed twice. When the names do not fit
    // the list buffer, the last one that starts in it is cut at its end and the list stops there.
    QStringList SectionNames() const;

    // Names of the keys of the section as written, in file order, cut like the section names.
    // Empty when there is no such section.
    QStringList KeyNames(const QString& section) const;

    // The value of the key, at most kValueBytes - 1 characters of it; `defaultValue` when the
    // section or the key is missing.
    QString ReadString(const QString& section, const QString& key,
                       const QString& defaultValue = QString()) const;

    // True when the file has a section of this name, with or without keys.
    bool SectionExists(const QString& section) const;

private:
    struct Section {
        QStringList keyNames;           // as written, file order
        QHash<QString, QString> values;  // case-folded key name -> first value
    };

    void ParseLine(QStringView line);
    void AddSection(QStringView name);
    void AddKey(QStringView name, QStringView value);
    const Section* FindSection(const QString& name) const;

    QStringList sectionNames_;              // every non-empty section header, file order
    QList<Section> sections_;               // the first section of each name
    QHash<QString, qsizetype> sectionIndex_;  // case-folded name -> index in sections_
    qsizetype current_ = -1;                // while parsing: section receiving keys, or -1
};
