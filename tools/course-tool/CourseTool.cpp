#include "CourseTool.h"

#include "AppError.h"
#include "ArchiveFormat.h"
#include "ArchiveReader.h"
#include "ArchiveWriter.h"
#include "CodePage.h"
#include "PathUtils.h"
#include "ResourceLoader.h"
#include "SwfCommands.h"

#include <QSet>
#include <cstdio>
#include <unistd.h>

namespace {

const char* const kUsage =
    "usage: course-tool COMMAND ARGUMENTS\n"
    "\n"
    "Commands for course authors:\n"
    "  pack FOLDER ARCHIVE     pack a folder into a data archive (interface.dat)\n"
    "  list ARCHIVE            show the tree of an archive with stored and unpacked sizes\n"
    "  get COURSE_FOLDER NAME  write a course resource to standard output, as the player\n"
    "                          reads it: the loose file first, then the archive member\n"
    "  swf-info FILE           show the header, tags, frames, labels and sprites of a movie\n"
    "  swf-run FILE [--frames N]  play a movie without a window, printing its trace lines and\n"
    "                          FSCommand calls\n"
    "\n"
    "'course-tool COMMAND --help' describes one command.\n";

const char* const kPackHelp =
    "usage: course-tool pack FOLDER ARCHIVE\n"
    "\n"
    "Packs every file under FOLDER into ARCHIVE. Names are stored upper case in the Windows\n"
    "Cyrillic code page, at most 64 bytes each; each file is stored as is or zlib-compressed,\n"
    "whichever is smaller. Nothing is written when a name cannot be stored.\n";

const char* const kListHelp =
    "usage: course-tool list ARCHIVE\n"
    "\n"
    "Prints the folders and files of ARCHIVE with the stored and the unpacked size of each file.\n";

const char* const kGetHelp =
    "usage: course-tool get COURSE_FOLDER NAME\n"
    "\n"
    "Writes the bytes the player reads for NAME (a name as written in a course file, such as\n"
    "'html\\index.htm') to standard output: the loose file under COURSE_FOLDER when there is one,\n"
    "else the member of COURSE_FOLDER/interface.dat. Exits with status 1 when neither exists.\n";

void Print(FILE* to, const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), to);
}

int Usage(const char* help, int status)
{
    std::fputs(help, status == 0 ? stdout : stderr);
    return status;
}

bool WantsHelp(const QStringList& args)
{
    return args.contains("--help") || args.contains("-h");
}

// A bar on the terminal while a large folder is packed.
class ProgressBar {
public:
    void operator()(qint64 done, qint64 total)
    {
        if (!shown_ && total < kLargeFolderBytes)
            return;
        shown_ = true;
        const int percent = total > 0 ? int(done * 100 / total) : 100;
        const int filled = percent * kWidth / 100;
        std::fprintf(stderr, "\rpacking [%s%s] %3d%%", QByteArray(filled, '#').constData(),
                     QByteArray(kWidth - filled, '.').constData(), percent);
        std::fflush(stderr);
    }
    ~ProgressBar()
    {
        if (shown_)
            std::fputc('\n', stderr);
    }

private:
    static constexpr qint64 kLargeFolderBytes = 16 << 20;
    static constexpr int kWidth = 40;
    bool shown_ = false;
};

int Pack(const QStringList& args)
{
    if (WantsHelp(args))
        return Usage(kPackHelp, 0);
    if (args.size() != 2)
        return Usage(kPackHelp, 2);
    ProgressBar bar;
    ArchiveWriter::Progress progress;
    if (isatty(fileno(stderr)))
        progress = std::ref(bar);
    const auto summary = ArchiveWriter::Pack(args[0], args[1], progress);
    Print(stdout, QStringLiteral("%1: %2 files in %3 folders, %4 bytes packed into %5\n")
                      .arg(args[1]).arg(summary.files).arg(summary.folders)
                      .arg(summary.inputBytes).arg(summary.archiveBytes));
    return 0;
}

// Prints one folder of the archive, its subfolders indented below it.
class TreePrinter {
public:
    explicit TreePrinter(const ArchiveReader& archive) : archive_(archive) {}

    void PrintFolder(int folder, int depth)
    {
        if (visited_.contains(folder))
            throw AppError(AppError::Kind::DamagedData,
                           QStringLiteral("Архив данных \"%1\" повреждён: папки вложены по кругу.").arg(archive_.Path()));
        visited_.insert(folder);
        const auto& record = archive_.Folders()[folder];
        for (int e = record.firstEntry; e < record.firstEntry + record.entryCount; ++e)
            PrintEntry(archive_.Entries()[e], depth);
    }

private:
    void PrintEntry(const ArchiveReader::Entry& entry, int depth)
    {
        const QString name = QString(depth * 2, ' ') + CodePage::FromAnsi(entry.name);
        if (entry.kind == ArchiveFormat::kKindFolder) {
            Print(stdout, QStringLiteral("%1 %2  %3\\\n").arg("", 12).arg("", 12).arg(name));
            PrintFolder(entry.offset, depth + 1);
        } else {
            Print(stdout, QStringLiteral("%1 %2  %3\n").arg(entry.storedSize, 12).arg(entry.size, 12).arg(name));
        }
    }

    const ArchiveReader& archive_;
    QSet<int> visited_;
};

int List(const QStringList& args)
{
    if (WantsHelp(args))
        return Usage(kListHelp, 0);
    if (args.size() != 1)
        return Usage(kListHelp, 2);
    ArchiveReader archive;
    archive.Open(args[0]);
    Print(stdout, QStringLiteral("%1: %2 folders, %3 entries, index %4 bytes stored, %5 unpacked\n")
                      .arg(args[0]).arg(archive.Folders().size()).arg(archive.Entries().size())
                      .arg(archive.IndexStoredSize()).arg(archive.IndexSize()));
    Print(stdout, QStringLiteral("%1 %2  %3\n").arg("stored", 12).arg("unpacked", 12).arg("name"));
    TreePrinter(archive).PrintFolder(archive.RootFolder(), 0);
    return 0;
}

int Get(const QStringList& args)
{
    if (WantsHelp(args))
        return Usage(kGetHelp, 0);
    if (args.size() != 2)
        return Usage(kGetHelp, 2);
    SetProgramFolder(args[0]);
    const QByteArray data = GetData(args[1]);
    std::fwrite(data.constData(), 1, size_t(data.size()), stdout);
    return 0;
}

}  // namespace

namespace CourseTool {

int Run(const QStringList& arguments)
{
    const QString command = arguments.value(1);
    const QStringList rest = arguments.mid(2);
    try {
        if (command == "pack")
            return Pack(rest);
        if (command == "list")
            return List(rest);
        if (command == "get")
            return Get(rest);
        if (command == "swf-info")
            return SwfCommands::Info(rest);
        if (command == "swf-run")
            return SwfCommands::Run(rest);
        if (command == "--help" || command == "-h")
            return Usage(kUsage, 0);
        if (!command.isEmpty())
            Print(stderr, QStringLiteral("course-tool: unknown command \"%1\"\n").arg(command));
        return Usage(kUsage, 2);
    } catch (const AppError& error) {
        Print(stderr, QStringLiteral("course-tool: %1\n").arg(error.text()));
        return 1;
    }
}

}  // namespace CourseTool
