#include "FlashRegistration.h"

#include "PathUtils.h"

#include <QLibrary>

void RegisterFlashControl()
{
    QLibrary library(FileSystemPath(ProgramPath(QStringLiteral("Drives\\FlashEx.ocx"))));
    if (!library.load())
        return;
    using RegisterServer = long (*)();
    if (auto registerServer = reinterpret_cast<RegisterServer>(library.resolve("DllRegisterServer"))) {
        try {
            registerServer();
        } catch (...) {
            // whatever the control file raises is ignored
        }
    }
    library.unload();
}
