#pragma once

#include <QBuffer>
#include <QString>

// A memory stream holding one resource: the archive member of that path when the open archive has
// it, else the whole file of that path (relative to the current folder). Position 0 after
// construction. Throws AppError when neither can be read.
class TComprStream : public QBuffer {
public:
    explicit TComprStream(const QString& path);
};
