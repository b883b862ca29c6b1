#include "ResourceLoader.h"

#include "AppError.h"
#include "ArchiveReader.h"
#include "ComprStream.h"
#include "FileIO.h"
#include "JpegCodec.h"
#include "PathUtils.h"

#include <QFile>

namespace {

const QString kArchiveName = QStringLiteral("interface.dat");

// Opens the program's archive when there is one; false when the course has none.
bool OpenCourseArchive()
{
    return Archive().OpenIfPresent(ProgramPath(kArchiveName));
}

// The extension with its dot, lower-cased: the text from the last "." after the last separator.
QString LowerExtension(const QString& name)
{
    const qsizetype dot = name.lastIndexOf('.');
    const qsizetype separator = std::max({name.lastIndexOf('\\'), name.lastIndexOf('/'), name.lastIndexOf(':')});
    return dot > separator ? name.mid(dot).toLower() : QString();
}

}  // namespace

QByteArray GetData(const QString& name)
{
    const QString path = ProgramPath(name);
    if (FileExists(path))
        return ReadWholeFile(path);
    const QString member = MemberName(name);
    if (OpenCourseArchive() && MemberExists(member))
        return TComprStream(member).data();
    throw AppError(AppError::Kind::ResourceNotFound, QStringLiteral("GetData. Не найден файл: %1").arg(name));
}

bool ResourceExists(const QString& name)
{
    if (FileExists(ProgramPath(name)))
        return true;
    return OpenCourseArchive() && MemberExists(MemberName(name));
}

QString CopyToTemp(const QString& name)
{
    const QByteArray data = GetData(name);
    const QString path = NewTempFile(AddBackslash(LongPathName(TempFolder())), QStringLiteral("BMA"));
    QFile file(FileSystemPath(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(data) != data.size()) {
        const QString reason = file.errorString();
        file.remove();
        throw AppError(AppError::Kind::FileOpen, QStringLiteral("Cannot create file \"%1\". %2").arg(path, reason));
    }
    return path;
}

QImage LoadBitmap(const QString& name)
{
    const QByteArray data = GetData(name);
    if (LowerExtension(name) != QLatin1String(".bmp"))
        return DecodeJpeg(data);
    QImage image;
    if (!image.loadFromData(data, "BMP"))
        throw AppError(AppError::Kind::DamagedData, QStringLiteral("Bitmap image is not valid"));
    return image;
}

void WrapHtmlHead(QStringList& lines, const QString& bodyAttributes)
{
    lines.insert(0, QStringLiteral("<body ") + bodyAttributes + QLatin1Char('>'));
    lines.insert(0, QStringLiteral("<head></head>"));
    lines.insert(0, QStringLiteral("<html>"));
}

void WrapHtmlTail(QStringList& lines)
{
    lines << QStringLiteral("</body>") << QStringLiteral("</html>");
}
