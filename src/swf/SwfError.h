#pragma once

#include <QString>
#include <stdexcept>

namespace swf {

// Every failure of the SWF engine (damaged file, unsupported data) carries its text in this type.
class SwfError : public std::runtime_error {
public:
    explicit SwfError(const QString& text);
    QString text() const;
};

} // namespace swf
