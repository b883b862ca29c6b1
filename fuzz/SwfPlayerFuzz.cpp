// Feeds arbitrary bytes to the SWF engine as a movie and plays a few frames, with every host
// call a lesson makes: damaged movies and runaway scripts must end in an error, never a crash
// or a hang.
#include "swf/SwfError.h"
#include "swf/SwfPlayer.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    swf::SwfPlayer player;
    player.setTraceHandler([](const QString&) {});
    player.setFsCommandHandler([](const QString&, const QString&) {});
    player.setErrorHandler([](const QString&) {});
    try {
        player.load(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
        player.setVariable(QStringLiteral("tutor"), QStringLiteral("1.1"));
        for (int frame = 0; frame < 8; ++frame)
            player.tick();
        player.gotoFrame(1);
        player.tick();
        player.getVariable(QStringLiteral("_root.my_play"));
    } catch (const swf::SwfError&) {
    }
    return 0;
}
