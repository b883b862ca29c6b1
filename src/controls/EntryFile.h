#pragma once

#include <QString>
#include <QStringList>

// The lines of a course text file fetched by resource name (a loose file, else the archive
// member), decoded from the course code page. Lines end at CR, LF or CR LF; a final line break
// adds no empty line, and a NUL character ends the text. Throws AppError when the resource
// does not exist.
QStringList ReadEntryLines(const QString& name);

// The lines of a course text file's bytes, read the same way.
QStringList TextLines(const QByteArray& bytes);
