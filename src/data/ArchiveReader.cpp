#include "ArchiveReader.h"

#include "AppError.h"
#include "ArchiveFormat.h"
#include "CodePage.h"
#include "FileIO.h"
#include "FileStamp.h"
#include "PathUtils.h"

#include <QtEndian>
#include <zlib.h>

using namespace ArchiveFormat;

namespace {

qint32 ReadInt(const char* at)
{
    return qFromLittleEndian<qint32>(at);
}

// Inflates one zlib stream into exactly `size` bytes; false when it does not.
bool InflateExactly(const QByteArray& packed, qint64 size, QByteArray& out)
{
    if (size > packed.size() * kMaxInflateRatio + kInflateSlack)
        return false;
    out.resize(size);
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK)
        return false;
    zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.constData()));
    zs.avail_in = uInt(packed.size());
    zs.next_out = reinterpret_cast<Bytef*>(out.data());
    zs.avail_out = uInt(size);
    const int result = inflate(&zs, Z_FINISH);
    const bool complete = result == Z_STREAM_END && qint64(zs.total_out) == size;
    inflateEnd(&zs);
    return complete;
}

QByteArray EntryName(const char* record)
{
    return QByteArray(record, int(qstrnlen(record, kNameSize)));
}

QString DisplayName(const QByteArray& ansi)
{
    return CodePage::FromAnsi(ansi);
}

}  // namespace

void ArchiveReader::Open(const QString& path)
{
    const auto [native, stamp] = Locate(path);
    if (IsOpen() && path == path_ && stamp_.Unchanged(stamp))
        return;

    Close();
    file_.setFileName(native);
    if (!file_.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        ThrowFileOpenError(path, file_.errorString());
    path_ = path;
    stamp_ = stamp;
    try {
        ReadIndex();
    } catch (...) {
        Close();
        throw;
    }
}

bool ArchiveReader::OpenIfPresent(const QString& path)
{
    const FileStamp stamp = Locate(path).second;
    if (!stamp.Exists() || stamp.IsFolder())
        return false;
    Open(path);
    return true;
}

std::pair<QString, FileStamp> ArchiveReader::Locate(const QString& path)
{
    // The name as written first: the file-system lookup without regard to case costs more.
    QString native = QString(path).replace(u'\\', u'/');
    FileStamp stamp(native);
    if (!stamp.Exists()) {
        native = FileSystemPath(path);
        stamp = FileStamp(native);
    }
    return {native, stamp};
}

void ArchiveReader::Close()
{
    file_.close();
    path_.clear();
    folders_.clear();
    entries_.clear();
    firstByName_.clear();
    dataBase_ = indexSize_ = fileSize_ = 0;
    root_ = 0;
}

void ArchiveReader::ReadIndex()
{
    fileSize_ = file_.size();
    const QByteArray header = file_.read(kHeaderSize);
    if (header.size() != kHeaderSize)
        Damaged(QStringLiteral("файл короче заголовка"));
    const qint64 stored = qint32(quint32(ReadInt(header.constData() + 4)) ^ kMaskB);
    const qint64 extra = qint32(quint32(ReadInt(header.constData())) ^ kMaskA);
    const qint64 size = extra + stored;
    if (stored < 0 || stored > fileSize_ - kHeaderSize || size < kIndexHeaderSize)
        Damaged(QStringLiteral("неверный размер оглавления"));

    const QByteArray block = file_.read(stored);
    if (block.size() != stored)
        Damaged(QStringLiteral("оглавление не читается"));
    QByteArray index;
    if (size == stored)
        index = block;
    else if (!InflateExactly(block, size, index))
        Damaged(QStringLiteral("оглавление не распаковывается до объявленного размера"));

    dataBase_ = kHeaderSize + stored;
    indexSize_ = size;
    ParseIndex(index);
    BuildLookup();
}

void ArchiveReader::ParseIndex(const QByteArray& index)
{
    const char* at = index.constData();
    const qint64 folderCount = ReadInt(at);
    const qint64 entryCount = ReadInt(at + 4);
    root_ = ReadInt(at + 12);
    if (folderCount < 0 || entryCount < 0
        || kIndexHeaderSize + kFolderRecordSize * folderCount + kEntryRecordSize * entryCount > index.size())
        Damaged(QStringLiteral("число папок и файлов не помещается в оглавление"));
    if (root_ < 0 || root_ >= folderCount)
        Damaged(QStringLiteral("неверный номер корневой папки"));

    const char* folderAt = at + kIndexHeaderSize;
    folders_.resize(folderCount);
    for (Folder& folder : folders_) {
        folder.firstEntry = ReadInt(folderAt);
        folder.entryCount = ReadInt(folderAt + 4);
        folderAt += kFolderRecordSize;
        if (folder.firstEntry < 0 || folder.entryCount < 0
            || qint64(folder.firstEntry) + folder.entryCount > entryCount)
            Damaged(QStringLiteral("папка ссылается на файлы вне оглавления"));
    }

    const char* entryAt = folderAt;
    entries_.resize(entryCount);
    for (Entry& entry : entries_) {
        entry.name = EntryName(entryAt);
        entry.offset = ReadInt(entryAt + 64);
        entry.storedSize = ReadInt(entryAt + 68);
        entry.size = ReadInt(entryAt + 72);
        entry.kind = ReadInt(entryAt + 76);
        entryAt += kEntryRecordSize;
        if (entry.kind == kKindFolder && (entry.offset < 0 || entry.offset >= folderCount))
            Damaged(QStringLiteral("папка \"%1\" ссылается на несуществующую запись").arg(DisplayName(entry.name)));
    }
}

void ArchiveReader::BuildLookup()
{
    // Walking each folder from its last entry to its first leaves the first entry of every name,
    // which is the one an in-order scan would stop at.
    firstByName_.assign(folders_.size(), {});
    for (size_t f = 0; f < folders_.size(); ++f) {
        auto& names = firstByName_[f];
        names.reserve(folders_[f].entryCount);
        for (int e = folders_[f].firstEntry + folders_[f].entryCount - 1; e >= folders_[f].firstEntry; --e)
            names.insert(entries_[e].name, e);
    }
}

int ArchiveReader::FindMember(const QString& path) const
{
    if (!IsOpen())
        return -1;
    const QByteArray name = NormaliseName(CodePage::ToAnsi(path));
    if (name.size() > kMaxPathLength)
        return -1;
    qsizetype start = name.startsWith('\\') ? 1 : 0;
    int folder = root_;
    for (qsizetype slash; (slash = name.indexOf('\\', start)) >= 0; start = slash + 1) {
        const int entry = FindEntry(name.mid(start, slash - start), folder, kKindFolder);
        if (entry < 0)
            return -1;
        folder = entries_[entry].offset;
    }
    return FindEntry(name.mid(start), folder, kKindFile);
}

int ArchiveReader::FindEntry(const QByteArray& name, int folder, qint32 kind) const
{
    if (folder < 0 || size_t(folder) >= firstByName_.size())
        return -1;
    const auto& names = firstByName_[folder];
    const auto it = names.constFind(name);
    if (it == names.constEnd() || entries_[*it].kind != kind)
        return -1;
    return *it;
}

std::optional<QByteArray> ArchiveReader::Extract(int index, const QString& memberName)
{
    if (index < 0 || size_t(index) >= entries_.size() || entries_[index].kind != kKindFile)
        return std::nullopt;
    const Entry& entry = entries_[index];
    const QString member = memberName.isEmpty() ? DisplayName(entry.name) : memberName;
    const qint64 start = dataBase_ + entry.offset;
    if (entry.offset < 0 || entry.storedSize < 0 || entry.size < 0
        || start + entry.storedSize > fileSize_)
        DamagedMember(member, QStringLiteral("данные лежат за концом архива"));
    if (!file_.seek(start))
        DamagedMember(member, file_.errorString());
    QByteArray stored = file_.read(entry.storedSize);
    if (stored.size() != entry.storedSize)
        DamagedMember(member, QStringLiteral("данные не читаются"));
    if (entry.storedSize == entry.size)
        return stored;
    QByteArray inflated;
    if (!InflateExactly(stored, entry.size, inflated))
        DamagedMember(member, QStringLiteral("данные не распаковываются до объявленного размера"));
    return inflated;
}

void ArchiveReader::Damaged(const QString& detail) const
{
    throw AppError(AppError::Kind::DamagedData,
                   QStringLiteral("Архив данных \"%1\" повреждён: %2.").arg(path_, detail));
}

void ArchiveReader::DamagedMember(const QString& member, const QString& detail) const
{
    throw AppError(AppError::Kind::DamagedData,
                   QStringLiteral("Архив данных \"%1\" повреждён: файл \"%2\": %3.").arg(path_, member, detail));
}

ArchiveReader& Archive()
{
    static ArchiveReader archive;
    return archive;
}

QByteArray NormaliseName(QByteArray path)
{
    for (char& c : path) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '/')
            c = '\\';
        else if (b >= 'a' && b <= 'z')
            c = char(b - 32);
        else if (b >= 0xE0)
            c = char(b - 32);
    }
    return path;
}

int OpenArchive(const QString& path)
{
    Archive().Open(path);
    return 0;
}

int FindMember(const QString& path)
{
    return Archive().FindMember(path);
}

int FindEntry(const QByteArray& name, int folder, qint32 kind)
{
    return Archive().FindEntry(name, folder, kind);
}

int ExtractMember(int entry, QByteArray& stream)
{
    auto bytes = Archive().Extract(entry);
    if (!bytes)
        return -1;
    stream = std::move(*bytes);
    return 0;
}

bool MemberExists(const QString& path)
{
    return FileExists(path) || FindMember(path) >= 0;
}
