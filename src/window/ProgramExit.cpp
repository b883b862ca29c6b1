#include "ProgramExit.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

namespace {

struct State {
    bool quitting = false;
    bool restart = false;
    std::function<void()> launcher;
};

State& TheState()
{
    static State state;
    return state;
}

void StartNewCopy()
{
    if (TheState().launcher) {
        TheState().launcher();
        return;
    }
    const QStringList arguments = QCoreApplication::arguments();
    QProcess::startDetached(QCoreApplication::applicationFilePath(), arguments.mid(1));
}

}  // namespace

namespace ProgramExit {

void Quit()
{
    TheState().quitting = true;
    QCoreApplication::exit(0);
}

void Restart()
{
    TheState().restart = true;
    Quit();
}

bool Quitting()
{
    return TheState().quitting;
}

void FinishRestart()
{
    if (TheState().restart)
        StartNewCopy();
    TheState().restart = false;
}

void SetLauncher(std::function<void()> launcher)
{
    TheState().launcher = std::move(launcher);
}

void Cancel()
{
    TheState().quitting = false;
    TheState().restart = false;
}

}  // namespace ProgramExit
