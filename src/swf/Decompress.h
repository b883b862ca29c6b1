#pragma once

#include <QByteArray>

namespace swf {

// Inflates a zlib stream into at most maxSize bytes. A stream cut short yields what was decoded.
QByteArray inflateZlib(const QByteArray& compressed, qsizetype maxSize);

// Decodes the LZMA body of a "ZWS" movie: 4-byte compressed length, 5 property bytes, then a raw
// LZMA1 stream without the end marker. Yields at most maxSize bytes.
QByteArray decodeSwfLzma(const QByteArray& body, qsizetype maxSize);

} // namespace swf
