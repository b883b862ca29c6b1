#include "PathUtils.h"

#include "AppError.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QUrl>
#include <optional>

namespace {

QString& ProgramFolderOverride()
{
    static QString folder;
    return folder;
}

bool IsSeparator(QChar c)
{
    return c == u'\\' || c == u'/';
}

// Drive paths ("C:\x") and native absolute paths ("/x").
bool IsAbsoluteName(const QString& name)
{
    return (name.size() > 1 && name[1] == u':') || name.startsWith(u'/');
}

QString WithSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

QString ExecutableFolder()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).path();
}

// The folder above `folder`, both with a trailing separator; a root ("C:\", "/") is its own parent.
QString ParentFolder(const QString& folder)
{
    const QString inner = folder.chopped(1);
    qsizetype cut = inner.size() - 1;
    while (cut >= 0 && !IsSeparator(inner[cut]))
        --cut;
    return cut < 0 ? folder : inner.left(cut + 1);
}

// The entry of `folder` whose name equals `name` without regard to case.
std::optional<QString> EntryNamed(const QString& folder, const QString& name)
{
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return std::nullopt;
}

// Replaces each component of a "/"-separated path that does not exist as written by the entry
// that matches it without regard to case. From the first component that matches nothing on,
// the rest is kept as written.
QString MatchOnDisk(const QString& path)
{
    const QStringList parts = path.split(u'/');
    QString result;
    bool onDisk = true;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString part = parts[i];
        const bool lookUp = onDisk && !part.isEmpty() && part != u"." && part != u"..";
        if (lookUp && !QFileInfo::exists(result + part)) {
            const std::optional<QString> entry = EntryNamed(result, part);
            onDisk = entry.has_value();
            part = entry.value_or(part);
        }
        result += part;
        if (i + 1 < parts.size())
            result += u'/';
    }
    return result;
}

QString WithSlashes(const QString& name)
{
    return QString(name).replace(u'\\', u'/');
}

}  // namespace

QString ProgramFolder()
{
    const QString& folder = ProgramFolderOverride();
    return folder.isEmpty() ? WithSlash(ExecutableFolder()) : folder;
}

void SetProgramFolder(const QString& folder)
{
    ProgramFolderOverride() = folder.isEmpty() ? QString() : WithSlash(QDir(folder).absolutePath());
}

QString ProgramPath(const QString& name)
{
    if (name.isEmpty() || IsAbsoluteName(name))
        return name;
    return ProgramFolder() + (name.startsWith(u'\\') ? name.mid(1) : name);
}

QString ResolveRelative(const QString& path, const QString& base)
{
    if (path.isEmpty() || base.isEmpty() || IsAbsoluteName(path))
        return path;
    QStringList pieces = QString(path).replace(u'/', u'\\').split(QStringLiteral("..\\"));
    if (pieces.size() > 1 && pieces.last().isEmpty())
        pieces.removeLast();
    QString folder = AddBackslash(base);
    for (qsizetype up = pieces.size() - 1; up > 0; --up)
        folder = ParentFolder(folder);
    return folder + pieces.last();
}

QString MemberName(const QString& path)
{
    if (path.contains(u':') || path.startsWith(u'/'))
        return path.mid(ProgramFolder().size());
    return path;
}

QString LongPathName(const QString& path)
{
    return MatchOnDisk(QDir::cleanPath(QDir::current().absoluteFilePath(WithSlashes(path))));
}

QString AddBackslash(const QString& text)
{
    return !text.isEmpty() && IsSeparator(text.back()) ? text : text + u'\\';
}

QString RemoveBackslash(const QString& text)
{
    return !text.isEmpty() && IsSeparator(text.back()) ? text.chopped(1) : text;
}

QString TempFolder()
{
    return WithSlash(QDir::tempPath());
}

QString WindowsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    QDir().mkpath(folder);
    return WithSlash(folder);
}

QString NewTempFile(const QString& folder, const QString& prefix)
{
    // Like the Windows call: up to three characters of the prefix, a hexadecimal number tried
    // from a random start until a name is free, and ".tmp".
    const QString dir = WithSlash(QDir(FileSystemPath(folder)).absolutePath());
    const QString stem = dir + prefix.left(3);
    constexpr quint32 kNumbers = 0xFFFF;
    const quint32 start = QRandomGenerator::global()->bounded(kNumbers);
    for (quint32 i = 0; i < kNumbers; ++i) {
        const QString path = stem + QString::number((start + i) % kNumbers + 1, 16).toUpper() + QStringLiteral(".tmp");
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return path;
        const QFileInfo taken(path);
        if (!taken.exists() && !taken.isSymLink())
            break;  // nothing is in the way: the folder itself refuses new files
    }
    throw AppError(AppError::Kind::FileOpen,
                   QStringLiteral("Не удалось создать временный файл в папке %1").arg(dir));
}

void ShellOpen(const QString& file, const QString& parameters, const QString& /*verb*/)
{
    // Desktops here know only "open", so every verb opens.
    static const QRegularExpression kUrlScheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (kUrlScheme.match(file).hasMatch()) {
        QDesktopServices::openUrl(QUrl(file));
        return;
    }
    const QFileInfo local(FileSystemPath(file));
    if (local.isFile() && local.isExecutable())
        QProcess::startDetached(local.absoluteFilePath(), QProcess::splitCommand(parameters));
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(local.absoluteFilePath()));
}

QString FileSystemPath(const QString& name)
{
    return MatchOnDisk(WithSlashes(name));
}

bool FileExists(const QString& name)
{
    return QFileInfo(FileSystemPath(name)).isFile();
}
