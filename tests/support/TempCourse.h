#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A course folder in a temporary directory that is the program folder while the object lives.
// Files are written with "/" separators; an archive is packed by the course tool's own packer.
class TempCourse {
public:
    TempCourse();
    ~TempCourse();
    TempCourse(const TempCourse&) = delete;
    TempCourse& operator=(const TempCourse&) = delete;

    QString path() const;  // with a trailing "/"
    QString filePath(const QString& relative) const;
    void writeFile(const QString& relative, const QByteArray& bytes) const;

    // Packs the folder `source` (relative to path()) into "<path>/interface.dat".
    void packArchive(const QString& source) const;

private:
    QTemporaryDir dir_;
    QString previousFolder_;
};
