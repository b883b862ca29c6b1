#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Course text is 8-bit Windows Cyrillic (code page 1251). These convert between it and QString.
namespace CodePage {

// Decodes Windows-1251 bytes; every byte maps to a character (unassigned 0x98 maps to U+FFFD).
QString FromAnsi(const QByteArray& bytes);

// Encodes to Windows-1251; characters without a code become '?'.
QByteArray ToAnsi(const QString& text);

// Encodes to Windows-1251, or nothing when a character has no code in it.
std::optional<QByteArray> ToAnsiExact(const QString& text);

// Decodes a course text file: UTF-8 when it starts with the UTF-8 byte-order mark (the mark is
// dropped), Windows-1251 otherwise.
QString DecodeText(const QByteArray& bytes);

}  // namespace CodePage
