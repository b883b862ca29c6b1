#pragma once

#include <QByteArray>
#include <QString>

// Reads the whole file of a Windows-style name; throws the host library's file-open error.
QByteArray ReadWholeFile(const QString& name);

// The host library's error for a file that cannot be opened: "Cannot open file "<name>". <reason>"
[[noreturn]] void ThrowFileOpenError(const QString& name, const QString& reason);
