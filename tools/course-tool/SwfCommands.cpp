#include "SwfCommands.h"

#include "FileIO.h"
#include "swf/ByteReader.h"
#include "swf/SwfError.h"
#include "swf/SwfFile.h"
#include "swf/SwfPlayer.h"
#include "swf/TagReader.h"

#include <QMap>
#include <cstdio>

namespace {

constexpr int kShowFrame = 1;
constexpr int kDefineSprite = 39;
constexpr int kFrameLabel = 43;
constexpr int kDefaultFrames = 10;

const char* const kInfoHelp =
    "usage: course-tool swf-info FILE\n"
    "\n"
    "Prints the header of a Flash movie, how many tags of each kind it holds, its frames, its\n"
    "frame labels and its sprites.\n";

const char* const kRunHelp =
    "usage: course-tool swf-run FILE [--frames N]\n"
    "\n"
    "Plays a Flash movie without a window for N frames (default 10) and prints its trace lines\n"
    "and FSCommand calls as they happen.\n";

void Print(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
}

int Usage(const char* help, int status)
{
    std::fputs(help, status == 0 ? stdout : stderr);
    return status;
}

QString ZeroTerminated(const QByteArray& bytes)
{
    return QString::fromUtf8(bytes.left(bytes.indexOf('\0')));
}

void PrintTags(const QByteArray& stream)
{
    QMap<int, int> counts;
    int frame = 1;
    swf::TagReader reader(stream);
    while (const auto tag = reader.next()) {
        ++counts[tag->code];
        if (tag->code == kShowFrame)
            ++frame;
        else if (tag->code == kFrameLabel)
            Print(QStringLiteral("label %1 at frame %2\n").arg(ZeroTerminated(tag->body)).arg(frame));
        else if (tag->code == kDefineSprite && tag->body.size() >= 4) {
            swf::ByteReader sprite(tag->body);
            const int id = sprite.u16();
            Print(QStringLiteral("sprite %1 with %2 frames\n").arg(id).arg(sprite.u16()));
        }
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        Print(QStringLiteral("tag %1: %2\n").arg(it.key()).arg(it.value()));
}

}  // namespace

namespace SwfCommands {

int Info(const QStringList& arguments)
{
    if (arguments.contains("--help"))
        return Usage(kInfoHelp, 0);
    if (arguments.size() != 1)
        return Usage(kInfoHelp, 2);
    try {
        const swf::SwfFile file = swf::SwfFile::fromBytes(ReadWholeFile(arguments[0]));
        const swf::Rect stage = file.stage();
        Print(QStringLiteral("version %1, stage %2x%3 px, %4 frames a second, %5 frames\n")
                  .arg(file.version())
                  .arg((stage.xMax - stage.xMin) / 20)
                  .arg((stage.yMax - stage.yMin) / 20)
                  .arg(file.frameRate())
                  .arg(file.frameCount()));
        PrintTags(file.tags());
    } catch (const swf::SwfError& error) {
        std::fprintf(stderr, "course-tool: %s\n", qPrintable(error.text()));
        return 1;
    }
    return 0;
}

int Run(const QStringList& arguments)
{
    if (arguments.contains("--help"))
        return Usage(kRunHelp, 0);
    QStringList rest = arguments;
    int frames = kDefaultFrames;
    if (const qsizetype at = rest.indexOf("--frames"); at >= 0) {
        bool ok = false;
        frames = rest.value(at + 1).toInt(&ok);
        if (!ok || frames < 0)
            return Usage(kRunHelp, 2);
        rest.remove(at, 2);
    }
    if (rest.size() != 1)
        return Usage(kRunHelp, 2);
    swf::SwfPlayer player;
    player.setTraceHandler([](const QString& line) { Print(line + '\n'); });
    player.setFsCommandHandler([](const QString& command, const QString& argument) {
        Print(QStringLiteral("fscommand %1 %2\n").arg(command, argument));
    });
    player.setErrorHandler([](const QString& text) { std::fprintf(stderr, "course-tool: %s\n", qPrintable(text)); });
    try {
        player.load(ReadWholeFile(rest[0]));
        for (int i = 0; i < frames; ++i)
            player.tick();
    } catch (const swf::SwfError& error) {
        std::fprintf(stderr, "course-tool: %s\n", qPrintable(error.text()));
        return 1;
    }
    return 0;
}

}  // namespace SwfCommands
