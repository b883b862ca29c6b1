#pragma once

#include <QByteArray>
#include <QString>

namespace swf {

// Strings in movies of version 6 and later are UTF-8; older movies use the author's ANSI code
// page, read here as Latin-1 so that every byte survives.
QString decodeText(const QByteArray& bytes, int version);

} // namespace swf
