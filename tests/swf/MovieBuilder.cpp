#include "MovieBuilder.h"

#include <QtEndian>
#include <cstring>
#include <zlib.h>

namespace {

QByteArray u16(int value)
{
    QByteArray out(2, '\0');
    qToLittleEndian<quint16>(static_cast<quint16>(value), out.data());
    return out;
}

QByteArray u32(quint32 value)
{
    QByteArray out(4, '\0');
    qToLittleEndian<quint32>(value, out.data());
    return out;
}

} // namespace

MovieBuilder::MovieBuilder(int version, int frameCount)
    : m_version(version), m_frameCount(frameCount)
{
}

QByteArray MovieBuilder::tagHeader(int code, qsizetype length)
{
    if (length < 0x3f)
        return u16((code << 6) | static_cast<int>(length));
    return u16((code << 6) | 0x3f) + u32(static_cast<quint32>(length));
}

MovieBuilder& MovieBuilder::tag(int code, const QByteArray& body)
{
    m_tags += tagHeader(code, body.size()) + body;
    return *this;
}

MovieBuilder& MovieBuilder::showFrame() { return tag(1, {}); }
MovieBuilder& MovieBuilder::doAction(const QByteArray& actions) { return tag(12, actions + '\0'); }
MovieBuilder& MovieBuilder::frameLabel(const QString& label) { return tag(43, label.toUtf8() + '\0'); }
MovieBuilder& MovieBuilder::removeObject(int depth) { return tag(28, u16(depth)); }

MovieBuilder& MovieBuilder::defineSprite(int id, int frameCount, const QByteArray& tags)
{
    return tag(39, u16(id) + u16(frameCount) + tags + u16(0));
}

// PlaceObject2 with a character, an identity matrix and a name.
MovieBuilder& MovieBuilder::placeSprite(int id, int depth, const QString& name)
{
    return tag(26, QByteArray(1, char(0x02 | 0x04 | 0x20)) + u16(depth) + u16(id) + QByteArray(1, '\0')
                       + name.toUtf8() + '\0');
}

QByteArray MovieBuilder::bytes(bool compressed) const
{
    // Stage 0..11000 x 0..8000 twips in 15-bit fields: nbits=15 -> 5 + 60 bits = 9 bytes.
    const QByteArray rect = QByteArray::fromHex("7800055f00000fa000");
    QByteArray body = rect + u16(12 << 8) + u16(m_frameCount) + m_tags + u16(0);
    const quint32 length = static_cast<quint32>(8 + body.size());
    if (compressed) {
        uLongf size = compressBound(static_cast<uLong>(body.size()));
        QByteArray packed(static_cast<qsizetype>(size), '\0');
        compress(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(body.constData()),
                 static_cast<uLong>(body.size()));
        packed.truncate(static_cast<qsizetype>(size));
        body = packed;
    }
    return QByteArray(compressed ? "CWS" : "FWS") + char(m_version) + u32(length) + body;
}

QByteArray MovieBuilder::action(int code, const QByteArray& payload)
{
    QByteArray out(1, char(code));
    if (code >= 0x80)
        out += u16(static_cast<int>(payload.size())) + payload;
    return out;
}

QByteArray MovieBuilder::pushString(const QString& text)
{
    return action(0x96, QByteArray(1, '\0') + text.toUtf8() + '\0');
}

QByteArray MovieBuilder::pushNumber(double value)
{
    quint64 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return action(0x96, QByteArray(1, '\6') + u32(static_cast<quint32>(bits >> 32)) + u32(static_cast<quint32>(bits)));
}

QByteArray MovieBuilder::trace(const QString& text)
{
    return pushString(text) + action(0x26);
}

QByteArray MovieBuilder::jump(int offset)
{
    return action(0x99, u16(offset & 0xffff));
}
