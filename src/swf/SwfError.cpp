#include "SwfError.h"

namespace swf {

SwfError::SwfError(const QString& text)
    : std::runtime_error(text.toStdString())
{
}

QString SwfError::text() const
{
    return QString::fromStdString(what());
}

} // namespace swf
