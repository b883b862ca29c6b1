#include "SwfFile.h"

#include "ByteReader.h"
#include "Decompress.h"
#include "SwfError.h"

namespace swf {

namespace {

// Larger declared lengths are treated as damage rather than allocated.
constexpr qsizetype kMaxMovieSize = 256 * 1024 * 1024;
constexpr qsizetype kFileHeaderSize = 8;

QByteArray uncompressedBody(char signature, const QByteArray& bytes, qsizetype bodySize)
{
    const QByteArray rest = bytes.mid(kFileHeaderSize);
    switch (signature) {
    case 'F':
        return rest.left(bodySize);
    case 'C':
        return inflateZlib(rest, bodySize);
    case 'Z':
        return decodeSwfLzma(rest, bodySize);
    }
    throw SwfError(QStringLiteral("Not a SWF movie: unknown signature"));
}

} // namespace

SwfFile SwfFile::fromBytes(const QByteArray& bytes)
{
    if (bytes.size() < kFileHeaderSize || bytes.mid(1, 2) != "WS")
        throw SwfError(QStringLiteral("Not a SWF movie: the file does not start with FWS, CWS or ZWS"));
    ByteReader header(bytes.constData(), kFileHeaderSize);
    const char signature = static_cast<char>(header.u8());
    header.skip(2);
    SwfFile file;
    file.m_version = header.u8();
    const qsizetype declared = header.u32();
    if (declared < kFileHeaderSize || declared > kMaxMovieSize)
        throw SwfError(QStringLiteral("Damaged SWF data: declared file length %1 is out of range").arg(declared));

    const QByteArray body = uncompressedBody(signature, bytes, declared - kFileHeaderSize);
    ByteReader reader(body);
    file.m_stage = reader.rect();
    file.m_frameRate = reader.fixed8();
    file.m_frameCount = reader.u16();
    file.m_tags = body.mid(reader.position());
    return file;
}

} // namespace swf
