#pragma once

#include <QByteArray>
#include <QtEndian>

// The smallest movies the lesson tests need: `frames` empty frames, and on the first frame an
// optional FSCommand call (a GetURL to "FSCommand:<command>" with the argument as target).
inline QByteArray TinySwf(int frames, const QByteArray& command = {}, const QByteArray& argument = {})
{
    const auto tag = [](int code, const QByteArray& body) {
        QByteArray out(2, '\0');
        qToLittleEndian<quint16>(quint16((code << 6) | 0x3F), out.data());
        QByteArray length(4, '\0');
        qToLittleEndian<quint32>(quint32(body.size()), length.data());
        return out + length + body;
    };
    QByteArray tags;
    if (!command.isEmpty()) {
        const QByteArray url = "FSCommand:" + command + '\0' + argument + '\0';
        QByteArray getUrl("\x83", 1);
        QByteArray length(2, '\0');
        qToLittleEndian<quint16>(quint16(url.size()), length.data());
        tags += tag(12, getUrl + length + url + QByteArray(1, '\0'));  // DoAction
    }
    for (int i = 0; i < frames; ++i)
        tags += tag(1, {});  // ShowFrame
    tags += QByteArray(2, '\0');  // End

    QByteArray header("FWS\x06", 4);
    QByteArray movie;
    movie += QByteArray(1, '\0');           // stage rectangle with 0-bit fields
    movie += QByteArray("\x00\x0C", 2);     // 12 frames a second
    QByteArray count(2, '\0');
    qToLittleEndian<quint16>(quint16(frames), count.data());
    movie += count + tags;
    QByteArray length(4, '\0');
    qToLittleEndian<quint32>(quint32(8 + movie.size()), length.data());
    return header + length + movie;
}
