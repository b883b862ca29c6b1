#include "SwfText.h"

namespace swf {

QString decodeText(const QByteArray& bytes, int version)
{
    return version >= 6 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
}

} // namespace swf
