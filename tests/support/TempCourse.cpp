#include "TempCourse.h"

#include "ArchiveWriter.h"
#include "PathUtils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

TempCourse::TempCourse() : previousFolder_(ProgramFolder())
{
    if (!dir_.isValid())
        throw std::runtime_error("cannot create a temporary course folder");
    SetProgramFolder(dir_.path());
}

TempCourse::~TempCourse()
{
    SetProgramFolder(previousFolder_);
}

QString TempCourse::path() const
{
    return dir_.path() + "/";
}

QString TempCourse::filePath(const QString& relative) const
{
    return path() + relative;
}

void TempCourse::writeFile(const QString& relative, const QByteArray& bytes) const
{
    const QString full = filePath(relative);
    QDir().mkpath(QFileInfo(full).path());
    QFile file(full);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + full.toStdString());
}

void TempCourse::packArchive(const QString& source) const
{
    ArchiveWriter::Pack(filePath(source), filePath("interface.dat"));
}
