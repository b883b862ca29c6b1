#pragma once

#include "ByteReader.h"

#include <QByteArray>
#include <optional>

namespace swf {

// One tag of the stream: its code and its body (a copy, so it may outlive the stream).
struct Tag {
    int code = 0;
    QByteArray body;
};

// Walks the tag stream of a movie or a sprite. The End tag, the end of the data, or a tag whose
// declared length passes the end all end the stream (the Flash Player plays truncated files).
class TagReader {
public:
    explicit TagReader(const QByteArray& stream);

    std::optional<Tag> next();

private:
    ByteReader m_reader;
    bool m_done = false;
};

} // namespace swf
