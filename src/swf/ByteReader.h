#pragma once

#include "Geometry.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace swf {

// Little-endian, bit-packed reader over a byte range. Every read checks the bounds and throws
// SwfError past the end; the bytes must outlive the reader.
class ByteReader {
public:
    ByteReader(const char* data, qsizetype size);
    explicit ByteReader(const QByteArray& bytes);
    ByteReader(QByteArray&&) = delete;  // reads in place: the bytes must outlive the reader

    quint8 u8();
    quint16 u16();
    quint32 u32();
    qint16 s16() { return static_cast<qint16>(u16()); }
    qint32 s32() { return static_cast<qint32>(u32()); }
    float f32();
    double f64Swapped();   // the bytecode's double: two little-endian halves, high half first
    double fixed8();       // 8.8 fixed point
    QByteArray bytes(qsizetype count);
    QByteArray cString();  // up to the terminating zero (consumed, not returned)

    quint32 ubits(int count);
    qint32 sbits(int count);
    double fbits(int count);   // 16.16 fixed point in count bits
    void alignBits() { m_bitCount = 0; }

    Rect rect();
    Matrix matrix();
    ColorTransform colorTransform(bool withAlpha);

    qsizetype position() const { return m_pos; }
    qsizetype remaining() const { return m_size - m_pos; }
    bool atEnd() const { return m_pos >= m_size; }
    void skip(qsizetype count);
    const char* current() const { return m_data + m_pos; }

private:
    void need(qsizetype count) const;

    const char* m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;
    quint32 m_bits = 0;
    int m_bitCount = 0;
};

} // namespace swf
