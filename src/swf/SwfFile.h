#pragma once

#include "Geometry.h"

#include <QByteArray>

namespace swf {

// A movie file opened: header fields and the uncompressed tag stream that follows them.
class SwfFile {
public:
    // Reads an "FWS", "CWS" or "ZWS" movie; throws SwfError on damaged input.
    static SwfFile fromBytes(const QByteArray& bytes);

    int version() const { return m_version; }
    Rect stage() const { return m_stage; }
    double frameRate() const { return m_frameRate; }
    int frameCount() const { return m_frameCount; }
    const QByteArray& tags() const { return m_tags; }

private:
    int m_version = 0;
    Rect m_stage;
    double m_frameRate = 0;
    int m_frameCount = 0;
    QByteArray m_tags;
};

} // namespace swf
