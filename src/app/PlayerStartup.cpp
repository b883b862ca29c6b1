#include "PlayerStartup.h"

#include "ConsoleUi.h"
#include "DialogUi.h"
#include "ErrorGuard.h"
#include "PathUtils.h"
#include "ProgramExit.h"
#include "SceneDump.h"
#include "SkStract.h"
#include "Ui.h"
#include "frmMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>
#include <cstdio>

namespace {

struct Options {
    QString courseFolder;
    bool dump = false;
    QString screenshot;
    QStringList actions;
};

Options ParseOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plays a multimedia self-study course."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("COURSE_FOLDER"),
                                 QStringLiteral("The course folder (default: the program's own folder)."));
    const QCommandLineOption dump(QStringLiteral("dump"), QStringLiteral("Print the objects of the main window's scenes and exit."));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"), QStringLiteral("Save the main window as PNG and exit."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption action(QStringLiteral("action"), QStringLiteral("Run an action string after start-up (repeatable)."),
                                    QStringLiteral("TEXT"));
    parser.addOptions({dump, screenshot, action});
    parser.process(arguments);
    return {parser.positionalArguments().value(0), parser.isSet(dump), parser.value(screenshot), parser.values(action)};
}

void Print(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    std::fwrite(utf8.constData(), 1, size_t(utf8.size()), stdout);
}

void RunActions(TfrmMain& window, const QStringList& actions)
{
    for (const QString& action : actions) {
        if (ProgramExit::Quitting())
            return;
        GuardedCall([&] {
            if (TSkStract* scene = window.ActiveScene())
                scene->RunActionString(action);
        });
    }
}

// Prints the dump and saves the screenshot the options ask for.
int Report(TfrmMain& window, const Options& options)
{
    if (options.dump) {
        for (const TSkStract* scene : {window.MainScene(), window.ShowScene()}) {
            if (scene)
                Print(SceneDump(*scene));
        }
    }
    if (!options.screenshot.isEmpty()) {
        QCoreApplication::processEvents();
        if (!window.grab().save(options.screenshot, "PNG")) {
            std::fprintf(stderr, "cannot save the screenshot to %s\n", qPrintable(options.screenshot));
            return 1;
        }
    }
    return 0;
}

}  // namespace

int RunPlayer(const QStringList& arguments)
{
    const Options options = ParseOptions(arguments);
    if (!options.courseFolder.isEmpty())
        SetProgramFolder(QDir(options.courseFolder).absolutePath());
    // Course files name some things relative to the current folder; shortcuts started there.
    QDir::setCurrent(FileSystemPath(ProgramFolder()));

    const bool batch = options.dump || !options.screenshot.isEmpty();
    if (batch)
        Ui::Install(std::make_unique<ConsoleUi>());
    else
        Ui::Install(std::make_unique<DialogUi>());

    int status = 0;
    {
        TfrmMain window;
        GuardedCall([&] { window.FormCreate(); });
        window.show();
        RunActions(window, options.actions);
        if (batch)
            status = Report(window, options);
        else if (!ProgramExit::Quitting())  // an action may have ended the program already
            status = QApplication::exec();
    }  // the window takes its scenes down here
    ProgramExit::FinishRestart();
    return status;
}
