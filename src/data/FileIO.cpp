#include "FileIO.h"

#include "AppError.h"
#include "PathUtils.h"

#include <QFile>

QByteArray ReadWholeFile(const QString& name)
{
    QFile file(FileSystemPath(name));
    if (!file.open(QIODevice::ReadOnly))
        ThrowFileOpenError(name, file.errorString());
    return file.readAll();
}

void ThrowFileOpenError(const QString& name, const QString& reason)
{
    throw AppError(AppError::Kind::FileOpen, QStringLiteral("Cannot open file \"%1\". %2").arg(name, reason));
}
