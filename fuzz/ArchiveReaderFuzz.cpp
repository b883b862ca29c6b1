// Feeds arbitrary bytes to the archive reader as "interface.dat": opening, every lookup of every
// entry path and every extraction must end in a result or an AppError, never in a crash.
#include "AppError.h"
#include "ArchiveFormat.h"
#include "ArchiveReader.h"
#include "CodePage.h"

#include <QByteArray>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace {

const QString& ArchivePath()
{
    static QTemporaryDir dir;
    static const QString path = dir.path() + "/interface.dat";
    return path;
}

// Looks up every file by the path the folder tree gives it, and extracts it.
void Walk(ArchiveReader& reader, int folder, const QString& prefix, QSet<int>& visited)
{
    if (visited.contains(folder))
        return;
    visited.insert(folder);
    const auto& record = reader.Folders()[folder];
    for (int e = record.firstEntry; e < record.firstEntry + record.entryCount; ++e) {
        const auto& entry = reader.Entries()[e];
        const QString path = prefix + CodePage::FromAnsi(entry.name);
        if (entry.kind == ArchiveFormat::kKindFolder) {
            Walk(reader, entry.offset, path + '\\', visited);
            continue;
        }
        try {
            reader.Extract(reader.FindMember(path));
        } catch (const AppError&) {
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QFile file(ArchivePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char*>(data), qint64(size));
    file.close();

    ArchiveReader reader;
    try {
        reader.Open(ArchivePath());
    } catch (const AppError&) {
        return 0;
    }
    QSet<int> visited;
    Walk(reader, reader.RootFolder(), QString(), visited);
    reader.FindMember(QStringLiteral("a\\b\\c.txt"));
    return 0;
}
