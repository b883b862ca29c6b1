#include "ArchiveWriter.h"

#include "AppError.h"
#include "ArchiveFormat.h"
#include "ArchiveReader.h"
#include "CodePage.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <QTemporaryFile>
#include <QtEndian>
#include <deque>
#include <zlib.h>

using namespace ArchiveFormat;

namespace {

struct Node {
    QByteArray name;  // normalised Windows-1251
    QString filePath;
    bool isFolder = false;
    qint64 size = 0;
    std::vector<Node> children;
};

[[noreturn]] void Fail(const QString& text)
{
    throw AppError(AppError::Kind::Other, text);
}

QByteArray ArchiveName(const QFileInfo& info)
{
    const QString name = info.fileName();
    const auto ansi = CodePage::ToAnsiExact(name);
    if (!ansi)
        Fail(QStringLiteral("\"%1\": the name cannot be written in the Windows Cyrillic code page").arg(info.filePath()));
    if (ansi->size() > kNameSize)
        Fail(QStringLiteral("\"%1\": the name is longer than %2 bytes").arg(info.filePath()).arg(kNameSize));
    if (ansi->contains('\\'))
        Fail(QStringLiteral("\"%1\": a name must not contain \"\\\"").arg(info.filePath()));
    return NormaliseName(*ansi);
}

// Reads a folder into a tree, sorted by archive name; refuses names the archive cannot hold.
Node ScanFolder(const QString& path, const QString& skipFile)
{
    Node folder;
    folder.isFolder = true;
    folder.filePath = path;
    const QDir dir(path);
    const auto infos = dir.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    QSet<QByteArray> seen;
    for (const QFileInfo& info : infos) {
        if (info.absoluteFilePath() == skipFile)
            continue;
        if (info.isDir() && info.isSymLink())
            Fail(QStringLiteral("\"%1\": links to folders are not packed").arg(info.filePath()));
        Node child = info.isDir() ? ScanFolder(info.filePath(), skipFile) : Node{};
        child.name = ArchiveName(info);
        child.filePath = info.filePath();
        child.size = info.isDir() ? 0 : info.size();
        if (seen.contains(child.name))
            Fail(QStringLiteral("\"%1\": another name in this folder differs from it only in case").arg(info.filePath()));
        seen.insert(child.name);
        folder.children.push_back(std::move(child));
    }
    std::sort(folder.children.begin(), folder.children.end(),
              [](const Node& a, const Node& b) { return a.name < b.name; });
    return folder;
}

void CountTree(const Node& folder, ArchiveWriter::Summary& summary)
{
    ++summary.folders;
    for (const Node& child : folder.children) {
        if (child.isFolder) {
            CountTree(child, summary);
        } else {
            ++summary.files;
            summary.inputBytes += child.size;
        }
    }
}

void AppendInt(QByteArray& out, qint64 value)
{
    char bytes[4];
    qToLittleEndian<qint32>(qint32(value), bytes);
    out.append(bytes, 4);
}

QByteArray Deflate(const QByteArray& data)
{
    uLongf packedSize = compressBound(uLong(data.size()));
    QByteArray packed(qsizetype(packedSize), Qt::Uninitialized);
    if (compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize,
                  reinterpret_cast<const Bytef*>(data.constData()), uLong(data.size()), Z_BEST_COMPRESSION) != Z_OK)
        Fail(QStringLiteral("zlib could not compress the data"));
    packed.resize(qsizetype(packedSize));
    return packed;
}

// Stored as is unless the zlib stream is strictly smaller (equal sizes mean "stored").
QByteArray Pack(const QByteArray& data)
{
    QByteArray packed = Deflate(data);
    return packed.size() < data.size() ? packed : data;
}

QByteArray ReadInput(const Node& file)
{
    QFile in(file.filePath);
    if (!in.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("\"%1\": %2").arg(file.filePath, in.errorString()));
    QByteArray data = in.readAll();
    if (data.size() >= std::numeric_limits<qint32>::max())
        Fail(QStringLiteral("\"%1\": a file must be smaller than 2 GiB").arg(file.filePath));
    return data;
}

void WriteAll(QIODevice& out, const QByteArray& bytes)
{
    if (out.write(bytes) != bytes.size())
        Fail(QStringLiteral("cannot write: %1").arg(out.errorString()));
}

// Lays the tree out breadth first, so every folder's entries are contiguous, and writes the
// member data to `data` as it goes.
class Layout {
public:
    Layout(QIODevice& data, qint64 total, const ArchiveWriter::Progress& progress)
        : data_(data), total_(total), progress_(progress) {}

    QByteArray Index(const Node& root)
    {
        std::deque<const Node*> queue{&root};
        int nextFolder = 1;
        while (!queue.empty()) {
            const Node& folder = *queue.front();
            queue.pop_front();
            AppendInt(folders_, entryCount_);
            AppendInt(folders_, qint64(folder.children.size()));
            for (const Node& child : folder.children) {
                if (child.isFolder) {
                    AddEntry(child.name, nextFolder++, 0, 0, kKindFolder);
                    queue.push_back(&child);
                } else {
                    AddFile(child);
                }
            }
        }
        QByteArray index;
        AppendInt(index, nextFolder);
        AppendInt(index, entryCount_);
        AppendInt(index, 0);  // reserved
        AppendInt(index, 0);  // root folder
        return index + folders_ + entries_;
    }

private:
    void AddFile(const Node& file)
    {
        const QByteArray data = ReadInput(file);
        const QByteArray stored = Pack(data);
        if (offset_ + stored.size() > std::numeric_limits<qint32>::max())
            Fail(QStringLiteral("the archive would be larger than 2 GiB"));
        WriteAll(data_, stored);
        AddEntry(file.name, offset_, stored.size(), data.size(), kKindFile);
        offset_ += stored.size();
        done_ += data.size();
        if (progress_)
            progress_(done_, total_);
    }

    void AddEntry(const QByteArray& name, qint64 offset, qint64 stored, qint64 size, qint32 kind)
    {
        QByteArray record = name;
        record.resize(kNameSize, '\0');
        AppendInt(record, offset);
        AppendInt(record, stored);
        AppendInt(record, size);
        AppendInt(record, kind);
        entries_ += record;
        ++entryCount_;
    }

    QIODevice& data_;
    qint64 total_;
    const ArchiveWriter::Progress& progress_;
    QByteArray folders_;
    QByteArray entries_;
    int entryCount_ = 0;
    qint64 offset_ = 0;
    qint64 done_ = 0;
};

void CopyDevice(QIODevice& from, QIODevice& to)
{
    from.seek(0);
    while (!from.atEnd()) {
        const QByteArray chunk = from.read(1 << 20);
        if (chunk.isEmpty())
            Fail(QStringLiteral("cannot read back the packed data: %1").arg(from.errorString()));
        WriteAll(to, chunk);
    }
}

}  // namespace

ArchiveWriter::Summary ArchiveWriter::Pack(const QString& folder, const QString& archivePath, const Progress& progress)
{
    if (!QFileInfo(folder).isDir())
        Fail(QStringLiteral("\"%1\" is not a folder").arg(folder));
    const Node root = ScanFolder(folder, QFileInfo(archivePath).absoluteFilePath());
    Summary summary;
    CountTree(root, summary);

    QTemporaryFile data(QFileInfo(archivePath).absolutePath() + "/.pack-XXXXXX");
    if (!data.open())
        Fail(QStringLiteral("cannot create a temporary file beside \"%1\": %2").arg(archivePath, data.errorString()));
    const QByteArray index = Layout(data, summary.inputBytes, progress).Index(root);
    const QByteArray packedIndex = ::Pack(index);

    QSaveFile out(archivePath);
    if (!out.open(QIODevice::WriteOnly))
        Fail(QStringLiteral("cannot write \"%1\": %2").arg(archivePath, out.errorString()));
    QByteArray header;
    AppendInt(header, qint32(quint32(index.size() - packedIndex.size()) ^ kMaskA));
    AppendInt(header, qint32(quint32(packedIndex.size()) ^ kMaskB));
    WriteAll(out, header + packedIndex);
    CopyDevice(data, out);
    if (!out.commit())
        Fail(QStringLiteral("cannot write \"%1\": %2").arg(archivePath, out.errorString()));
    summary.archiveBytes = QFileInfo(archivePath).size();
    return summary;
}
