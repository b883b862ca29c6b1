#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>

// JPEG pictures through libjpeg. A libjpeg error raises AppError (DamagedData) with the text
// "JPEG error #<n>", n being libjpeg's message number.

// Compresses the picture (any alpha is dropped) at the given quality, 1 to 100.
QByteArray EncodeJpeg(const QImage& image, int quality);

// Decodes colour, greyscale and CMYK pictures (Adobe's inverted CMYK too) to Format_RGB888,
// Format_Grayscale8 and Format_RGB32 images. Data cut short decodes as far as it goes.
QImage DecodeJpeg(const QByteArray& data);

// The JPEG form of the bitmap, or nothing when there is no bitmap.
std::optional<QByteArray> BitmapToJpeg(const QImage* bitmap, int quality);
