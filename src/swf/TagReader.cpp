#include "TagReader.h"

namespace swf {

TagReader::TagReader(const QByteArray& stream)
    : m_reader(stream)
{
}

std::optional<Tag> TagReader::next()
{
    if (m_done || m_reader.remaining() < 2)
        return std::nullopt;
    const quint16 header = m_reader.u16();
    Tag tag;
    tag.code = header >> 6;
    qsizetype length = header & 0x3f;
    if (length == 0x3f) {
        if (m_reader.remaining() < 4) {
            m_done = true;
            return std::nullopt;
        }
        length = m_reader.u32();
    }
    if (tag.code == 0 || length > m_reader.remaining()) {
        m_done = true;
        return std::nullopt;
    }
    tag.body = m_reader.bytes(length);
    return tag;
}

} // namespace swf
