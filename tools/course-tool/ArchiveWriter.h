#pragma once

#include <QString>
#include <functional>

// Writes the data archive ("interface.dat") of a folder: both header masks, the index compressed
// when that is smaller, each member stored or zlib-compressed, whichever is smaller.
class ArchiveWriter {
public:
    // Called after each file with the bytes read so far and the total.
    using Progress = std::function<void(qint64 done, qint64 total)>;

    struct Summary {
        int folders = 0;
        int files = 0;
        qint64 inputBytes = 0;
        qint64 archiveBytes = 0;
    };

    // Throws AppError with a clear one-line text; on failure no archive file is left behind.
    static Summary Pack(const QString& folder, const QString& archivePath, const Progress& progress = {});
};
