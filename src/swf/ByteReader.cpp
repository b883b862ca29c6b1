#include "ByteReader.h"

#include "SwfError.h"

#include <cstring>

namespace swf {

ByteReader::ByteReader(const char* data, qsizetype size)
    : m_data(data), m_size(size)
{
}

ByteReader::ByteReader(const QByteArray& bytes)
    : ByteReader(bytes.constData(), bytes.size())
{
}

void ByteReader::need(qsizetype count) const
{
    if (count < 0 || count > m_size - m_pos)
        throw SwfError(QStringLiteral("Damaged SWF data: read of %1 bytes at offset %2 passes the end (%3 bytes)")
                           .arg(count).arg(m_pos).arg(m_size));
}

quint8 ByteReader::u8()
{
    alignBits();
    need(1);
    return static_cast<quint8>(m_data[m_pos++]);
}

quint16 ByteReader::u16()
{
    const quint16 low = u8();
    return static_cast<quint16>(low | (u8() << 8));
}

quint32 ByteReader::u32()
{
    const quint32 low = u16();
    return low | (static_cast<quint32>(u16()) << 16);
}

float ByteReader::f32()
{
    const quint32 bits = u32();
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

double ByteReader::f64Swapped()
{
    const quint64 high = u32();
    const quint64 bits = (high << 32) | u32();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

double ByteReader::fixed8()
{
    return s16() / 256.0;
}

QByteArray ByteReader::bytes(qsizetype count)
{
    alignBits();
    need(count);
    QByteArray out(m_data + m_pos, count);
    m_pos += count;
    return out;
}

QByteArray ByteReader::cString()
{
    alignBits();
    const void* end = std::memchr(m_data + m_pos, 0, static_cast<size_t>(m_size - m_pos));
    if (!end)
        throw SwfError(QStringLiteral("Damaged SWF data: unterminated string at offset %1").arg(m_pos));
    const qsizetype length = static_cast<const char*>(end) - (m_data + m_pos);
    QByteArray out(m_data + m_pos, length);
    m_pos += length + 1;
    return out;
}

quint32 ByteReader::ubits(int count)
{
    quint32 value = 0;
    for (int i = 0; i < count; ++i) {
        if (m_bitCount == 0) {
            need(1);
            m_bits = static_cast<quint8>(m_data[m_pos++]);
            m_bitCount = 8;
        }
        --m_bitCount;
        value = (value << 1) | ((m_bits >> m_bitCount) & 1u);
    }
    return value;
}

qint32 ByteReader::sbits(int count)
{
    if (count == 0)
        return 0;
    const quint32 raw = ubits(count);
    const quint32 sign = 1u << (count - 1);
    return static_cast<qint32>((raw ^ sign) - sign);
}

double ByteReader::fbits(int count)
{
    return sbits(count) / 65536.0;
}

Rect ByteReader::rect()
{
    alignBits();
    const int bits = static_cast<int>(ubits(5));
    Rect r;
    r.xMin = sbits(bits);
    r.xMax = sbits(bits);
    r.yMin = sbits(bits);
    r.yMax = sbits(bits);
    alignBits();
    return r;
}

Matrix ByteReader::matrix()
{
    alignBits();
    Matrix m;
    if (ubits(1)) {
        const int bits = static_cast<int>(ubits(5));
        m.a = fbits(bits);
        m.d = fbits(bits);
    }
    if (ubits(1)) {
        const int bits = static_cast<int>(ubits(5));
        m.b = fbits(bits);
        m.c = fbits(bits);
    }
    const int bits = static_cast<int>(ubits(5));
    m.tx = sbits(bits);
    m.ty = sbits(bits);
    alignBits();
    return m;
}

ColorTransform ByteReader::colorTransform(bool withAlpha)
{
    alignBits();
    ColorTransform cx;
    const bool hasAdd = ubits(1);
    const bool hasMul = ubits(1);
    const int bits = static_cast<int>(ubits(4));
    if (hasMul) {
        cx.rMul = sbits(bits) / 256.0;
        cx.gMul = sbits(bits) / 256.0;
        cx.bMul = sbits(bits) / 256.0;
        if (withAlpha)
            cx.aMul = sbits(bits) / 256.0;
    }
    if (hasAdd) {
        cx.rAdd = sbits(bits);
        cx.gAdd = sbits(bits);
        cx.bAdd = sbits(bits);
        if (withAlpha)
            cx.aAdd = sbits(bits);
    }
    alignBits();
    return cx;
}

void ByteReader::skip(qsizetype count)
{
    alignBits();
    need(count);
    m_pos += count;
}

} // namespace swf
