#include "PathUtils.h"

#include "AppError.h"
#include "FileStamp.h"

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
#include <QHash>
#include <filesystem>
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

// One entry of a folder as the lookups below need it.
struct DiskEntry {
    QString name;
    bool isFile = false;
};

// Listings of the folders that names were looked up in, each kept while its folder's stamp
// shows no change (a folder gains or loses entries only with a new modification time). A name
// is found by its exact spelling first, else without regard to case (the first in name order).
class FolderListings {
public:
    struct Lookup {
        bool folderExists = false;
        std::optional<DiskEntry> entry;
    };

    // The entry of `folder` ("" is the current folder) for `name`.
    Lookup Find(const QString& folder, const QString& name)
    {
        const QString path = folder.isEmpty() ? QStringLiteral(".") : folder;
        const FileStamp now(path);
        if (!now.IsFolder())
            return {};
        Listing& listing = listings_[path];
        if (!listing.stamp.Unchanged(now))
            listing = List(path, now);
        if (auto exact = listing.exact.constFind(name); exact != listing.exact.constEnd())
            return {true, *exact};
        const auto folded = listing.folded.constFind(name.toCaseFolded());
        return {true, folded == listing.folded.constEnd() ? std::nullopt : std::optional<DiskEntry>(*folded)};
    }

private:
    struct Listing {
        FileStamp stamp;
        QHash<QString, DiskEntry> exact;
        QHash<QString, DiskEntry> folded;
    };

    Listing List(const QString& path, const FileStamp& stamp)
    {
        if (listings_.size() > kMaxListings)
            listings_.clear();
        Listing listing{stamp, {}, {}};
        const QFileInfoList entries = QDir(path).entryInfoList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo& entry : entries) {
            const DiskEntry found{entry.fileName(), entry.isFile()};
            listing.exact.insert(found.name, found);
            const QString key = found.name.toCaseFolded();
            if (!listing.folded.contains(key))
                listing.folded.insert(key, found);
        }
        return listing;
    }

    static constexpr qsizetype kMaxListings = 256;
    QHash<QString, Listing> listings_;
};

FolderListings& Listings()
{
    static FolderListings listings;
    return listings;
}

// Resolves a "/"-separated path component by component against the folder listings: each
// component is taken as written when it exists so, else as the entry that matches it without
// regard to case. From the first component that matches nothing on, the rest is kept as
// written. `found` tells whether the whole path exists, and whether it is a file.
struct Resolved {
    QString path;
    std::optional<DiskEntry> found;
};

Resolved Resolve(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const QString name = path.mid(slash + 1);
    QString folder = slash < 0 ? QString() : slash == 0 ? QStringLiteral("/") : path.left(slash);
    const bool special = name.isEmpty() || name == u"." || name == u"..";
    FolderListings::Lookup lookup = Listings().Find(folder, name);
    if (!lookup.folderExists && slash > 0) {
        // The folder is not there as written: find it without regard to case first.
        const Resolved parent = Resolve(folder);
        folder = parent.path;
        const bool isFolder = parent.found && !parent.found->isFile;
        lookup = isFolder ? Listings().Find(folder, name) : FolderListings::Lookup{};
    }
    const std::optional<DiskEntry> entry = special ? std::nullopt : lookup.entry;
    const QString separator = folder.isEmpty() || folder.endsWith(u'/') ? QString() : QStringLiteral("/");
    return {folder + separator + (entry ? entry->name : name), entry};
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
    return Resolve(QDir::cleanPath(QDir::current().absoluteFilePath(WithSlashes(path)))).path;
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
    return Resolve(WithSlashes(name)).path;
}

bool FileExists(const QString& name)
{
    const std::optional<DiskEntry> found = Resolve(WithSlashes(name)).found;
    return found && found->isFile;
}
