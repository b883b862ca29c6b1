#include "Decompress.h"

#include "SwfError.h"

#include <lzma.h>
#include <zlib.h>

#include <cstring>

namespace swf {

QByteArray inflateZlib(const QByteArray& compressed, qsizetype maxSize)
{
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        throw SwfError(QStringLiteral("Cannot start zlib decompression"));
    QByteArray out(maxSize, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.constData()));
    stream.avail_in = static_cast<uInt>(compressed.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(maxSize);
    const int result = inflate(&stream, Z_FINISH);
    const qsizetype produced = maxSize - stream.avail_out;
    inflateEnd(&stream);
    if (result != Z_STREAM_END && result != Z_BUF_ERROR && result != Z_OK)
        throw SwfError(QStringLiteral("Damaged SWF data: zlib stream is invalid"));
    out.truncate(produced);
    return out;
}

QByteArray decodeSwfLzma(const QByteArray& body, qsizetype maxSize)
{
    constexpr qsizetype kPropertiesSize = 5;
    constexpr qsizetype kHeader = 4 + kPropertiesSize;
    if (body.size() < kHeader)
        throw SwfError(QStringLiteral("Damaged SWF data: LZMA header is incomplete"));
    lzma_options_lzma options{};
    lzma_filter filters[2] = {{LZMA_FILTER_LZMA1, &options}, {LZMA_VLI_UNKNOWN, nullptr}};
    if (lzma_properties_decode(&filters[0], nullptr, reinterpret_cast<const uint8_t*>(body.constData() + 4),
                               kPropertiesSize) != LZMA_OK)
        throw SwfError(QStringLiteral("Damaged SWF data: invalid LZMA properties"));
    lzma_options_lzma decoded = *static_cast<lzma_options_lzma*>(filters[0].options);
    free(filters[0].options);
    filters[0].options = &decoded;

    lzma_stream stream = LZMA_STREAM_INIT;
    if (lzma_raw_decoder(&stream, filters) != LZMA_OK)
        throw SwfError(QStringLiteral("Cannot start LZMA decompression"));
    QByteArray out(maxSize, Qt::Uninitialized);
    stream.next_in = reinterpret_cast<const uint8_t*>(body.constData() + kHeader);
    stream.avail_in = static_cast<size_t>(body.size() - kHeader);
    stream.next_out = reinterpret_cast<uint8_t*>(out.data());
    stream.avail_out = static_cast<size_t>(maxSize);
    lzma_ret result = LZMA_OK;
    while (result == LZMA_OK && stream.avail_out > 0 && stream.avail_in > 0)
        result = lzma_code(&stream, LZMA_RUN);
    const qsizetype produced = maxSize - static_cast<qsizetype>(stream.avail_out);
    lzma_end(&stream);
    if (result != LZMA_OK && result != LZMA_STREAM_END && result != LZMA_BUF_ERROR)
        throw SwfError(QStringLiteral("Damaged SWF data: LZMA stream is invalid"));
    out.truncate(produced);
    return out;
}

} // namespace swf
