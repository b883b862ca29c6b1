#include "ComprStream.h"

#include "ArchiveReader.h"
#include "FileIO.h"

namespace {

QByteArray ReadMemberOrFile(const QString& path)
{
    ArchiveReader& archive = Archive();
    if (auto bytes = archive.Extract(archive.FindMember(path), path))
        return *bytes;
    return ReadWholeFile(path);
}

}  // namespace

TComprStream::TComprStream(const QString& path)
{
    setData(ReadMemberOrFile(path));
    open(QIODevice::ReadOnly);
}
