#include "ProgramExit.h"

#include "SkForm.h"

#include <QApplication>
#include <QProcess>

namespace {

std::function<void()>& Launcher()
{
    static std::function<void()> launcher;
    return launcher;
}

void StartNewCopy()
{
    if (Launcher()) {
        Launcher()();
        return;
    }
    const QStringList arguments = QCoreApplication::arguments();
    QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments.mid(1));
}

// Windows opened later (modal scene windows) go first: their scenes may refer to the main one.
void ReleaseAllScenes()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
        if (auto* form = qobject_cast<TSkForm*>(*it))
            form->ReleaseScenes();
    }
}

}  // namespace

namespace ProgramExit {

void Quit()
{
    ReleaseAllScenes();
    QCoreApplication::exit(0);
}

void Restart()
{
    ReleaseAllScenes();
    StartNewCopy();
    QCoreApplication::exit(0);
}

void SetLauncher(std::function<void()> launcher)
{
    Launcher() = std::move(launcher);
}

}  // namespace ProgramExit
