#pragma once

#include "FileStamp.h"

#include <QByteArray>
#include <QFile>
#include <QHash>
#include <QString>
#include <optional>
#include <utility>
#include <vector>

// Reader of the data archive. One archive is open at a time for the whole program (see the free
// functions below). Opening reads and checks the whole index; anything damaged raises AppError
// naming the archive (and the member, for member data). Nothing is ever read outside a buffer.
//
// The parsed index is kept while the archive file's path, size and modification time stay the
// same (see FileStamp), so a lookup does not inflate the index again; results are the same as
// reading it anew.
class ArchiveReader {
public:
    struct Folder {
        qint32 firstEntry = 0;
        qint32 entryCount = 0;
    };
    struct Entry {
        QByteArray name;  // Windows-1251 bytes, up to the first zero, at most 64
        qint32 offset = 0;  // file: offset from the data base; folder: folder table index
        qint32 storedSize = 0;
        qint32 size = 0;
        qint32 kind = 0;
    };

    // Opens the archive (always re-checking the file); throws AppError when it cannot be opened or
    // its index is damaged. After a failure no archive is open.
    void Open(const QString& path);
    // Opens the archive when a file of that path exists; false (and nothing changed) when not.
    bool OpenIfPresent(const QString& path);
    void Close();
    bool IsOpen() const { return file_.isOpen(); }

    int FindMember(const QString& path) const;
    int FindEntry(const QByteArray& name, int folder, qint32 kind) const;

    // The bytes of a file entry, or nothing when the entry is not a file; throws AppError when the
    // member is damaged. `memberName` names it in the error text (the entry's own name when empty).
    std::optional<QByteArray> Extract(int entry, const QString& memberName = {});

    const QString& Path() const { return path_; }
    int RootFolder() const { return root_; }
    const std::vector<Folder>& Folders() const { return folders_; }
    const std::vector<Entry>& Entries() const { return entries_; }
    qint64 IndexStoredSize() const { return dataBase_ - 8; }
    qint64 IndexSize() const { return indexSize_; }

private:
    // The path in the file system and its current stamp.
    static std::pair<QString, FileStamp> Locate(const QString& path);
    void ReadIndex();
    void ParseIndex(const QByteArray& index);
    void BuildLookup();
    [[noreturn]] void Damaged(const QString& detail) const;
    [[noreturn]] void DamagedMember(const QString& member, const QString& detail) const;

    QFile file_;
    QString path_;
    FileStamp stamp_;
    qint64 fileSize_ = 0;
    qint64 dataBase_ = 0;
    qint64 indexSize_ = 0;
    qint32 root_ = 0;
    std::vector<Folder> folders_;
    std::vector<Entry> entries_;
    // Per folder: name -> first entry with that name, so lookups match the in-order scan.
    std::vector<QHash<QByteArray, int>> firstByName_;
};

// The program's one archive.
ArchiveReader& Archive();

// Upper-cases a Windows-1251 member path the way the archive stores names: "/" becomes "\",
// a-z become A-Z, bytes 0xE0-0xFF (а-я) become 0xC0-0xDF (А-Я); everything else stays.
QByteArray NormaliseName(QByteArray path);

int OpenArchive(const QString& path);
int FindMember(const QString& path);
int FindEntry(const QByteArray& name, int folder, qint32 kind);
// Writes the member's bytes into `stream`; -1 when the entry is not a file.
int ExtractMember(int entry, QByteArray& stream);
// True when a file of that path exists (relative to the current folder) or the archive has it.
bool MemberExists(const QString& path);
