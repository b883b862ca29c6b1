#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

// Every file a course needs is fetched by name: a loose file under the program folder wins, else
// the member of that name in the data archive "interface.dat" of the program folder.

// The bytes of the resource; throws AppError "GetData. Не найден файл: <name>" when neither exists.
QByteArray GetData(const QString& name);

bool ResourceExists(const QString& name);

// Writes the resource to a new temporary file "BMA….tmp" and returns its path; the caller deletes
// it. Nothing is left behind when the resource cannot be fetched or written.
QString CopyToTemp(const QString& name);

// A ".bmp" name (any case) is read as a Windows bitmap, anything else is decoded as JPEG.
QImage LoadBitmap(const QString& name);

// Turn lines of HTML body content into a whole page.
void WrapHtmlHead(QStringList& lines, const QString& bodyAttributes);
void WrapHtmlTail(QStringList& lines);
