#include "frmMain.h"

#include "AppError.h"
#include "EntryFile.h"
#include "FileIO.h"
#include "FlashRegistration.h"
#include "Notebook.h"
#include "NumberText.h"
#include "PathUtils.h"
#include "SkCommand.h"
#include "SkFlash.h"
#include "SkStract.h"
#include "TextUtils.h"
#include "Ui.h"
#include "WindowDefaults.h"
#include "frmAbout.h"

#include <QCloseEvent>

TfrmMain::TfrmMain(QWidget* owner) : TSkForm(owner)
{
    setWindowTitle(QString::fromUtf8("Самоучитель"));
    WindowDefaults::Apply(*this, QSize(775, 513));
    SetClientSize(QSize(775, 513));
    WindowDefaults::CentreOnScreen(*this);
}

TfrmMain::~TfrmMain()
{
    DestroyScenes();
}

void TfrmMain::FormCreate()
{
    RegisterFlashControl();
    SelectedChapter = 1;
    Chapter = 1;
    mainScene_ = std::make_unique<TSkStract>(this, QStringLiteral("struct_main.txt"));
    mainScene_->LoadStruct();
    mainScene_->OnUnknownAction = [this](const RHelpAction& action) { HandleMainCommand(action); };
    showScene_ = std::make_unique<TSkStract>(this, QStringLiteral("struct_show.txt"));
    showScene_->LoadStruct();
    showScene_->OnUnknownAction = [this](const RHelpAction& action) { HandleShowCommand(action); };
    mainScene_->Activate();
}

TSkStract* TfrmMain::ActiveScene() const
{
    for (TSkStract* scene : {mainScene_.get(), showScene_.get()}) {
        if (scene && Pages() && Pages()->CurrentIndex() == scene->PageIndex())
            return scene;
    }
    return mainScene_.get();
}

void TfrmMain::ShowAbout()
{
    const std::unique_ptr<TfrmAbout> aboutForm = std::make_unique<TfrmAbout>(this);
    TSkStract aboutScene(aboutForm.get(), QStringLiteral("struct_about.txt"));  // goes before its window
    aboutScene.LoadStruct();
    Ui::Instance().ExecModal(aboutForm.get());
}

namespace {

const QString kLessonList = QStringLiteral("Content\\Listem.lst");
const QString kResetMovie = QStringLiteral("Content\\0.0.dat");

// The first command of a handed-over action, with its first two arguments read.
struct LessonCommand {
    QString name;
    QString arg0;
    QString arg1;
};

LessonCommand FirstCommand(const RHelpAction& action)
{
    const TSkCommand parsed(action.Action);
    if (parsed.Count() == 0)
        return {};
    const RCommand& command = parsed.Commands().front();
    const FileChooser chooseFile = [](const QString& filter) { return Ui::Instance().OpenFile(filter); };
    return {command.Name, GetArg(command.Args, 0, chooseFile), GetArg(command.Args, 1, chooseFile)};
}

// The value of the line "key=value" whose key is `key` (without regard to case); empty if none.
QString ValueOfKey(const QStringList& lines, const QString& key)
{
    const int index = IndexOfKey(lines, key);
    return index < 0 ? QString() : lines[index].section(u'=', 1);
}

}  // namespace

void TfrmMain::HandleMainCommand(const RHelpAction& action)
{
    const LessonCommand command = FirstCommand(action);
    if (command.name == QLatin1String("folder")) {
        const int chapter = StrToInt(command.arg0);
        SelectedChapter = chapter;
        Chapter = chapter;
    } else if (command.name == QLatin1String("tutor")) {
        const int lesson = StrToInt(command.arg0) + 1;
        Lesson = lesson;
        Chapter = SelectedChapter;
        StartLesson();
        if (showScene_)
            showScene_->Activate();
        FocusLesson();
    } else if (command.name == QLatin1String("about")) {
        ShowAbout();
    } else {
        Ui::Instance().Message(action.Action);
    }
}

void TfrmMain::HandleShowCommand(const RHelpAction& action)
{
    const LessonCommand command = FirstCommand(action);
    if (command.name == QLatin1String("first")) {
        ResetLesson();
        Chapter = SelectedChapter;
        if (mainScene_)
            mainScene_->Activate();
    } else if (command.name == QLatin1String("list")) {
        StepLesson(command.arg0);
    } else if (command.name == QLatin1String("about")) {
        ShowAbout();
    } else if (command.name == QLatin1String("play")) {
        if (command.arg0.compare(QLatin1String("begin"), Qt::CaseInsensitive) == 0)
            RestartLesson();
    } else if (command.name == QLatin1String("click")) {
        FocusLesson();
    }
}

QString TfrmMain::LessonKey() const
{
    return QString::number(Chapter) + u'.' + QString::number(Lesson);
}

TSkFlash* TfrmMain::LessonFlash(const QString& name) const
{
    return showScene_ ? qobject_cast<TSkFlash*>(showScene_->FindInFamily(name, Family::Flash)) : nullptr;
}

void TfrmMain::FocusLesson() const
{
    if (TSkFlash* movie = LessonFlash(QStringLiteral("see_flash")))
        movie->setFocus();
}

void TfrmMain::StartLesson()
{
    const QString key = LessonKey();
    const QString value = ValueOfKey(ReadEntryLines(kLessonList), key);
    LessonTitle = value.section(u'#', 0, 0);
    if (TSkFlash* frame = LessonFlash(QStringLiteral("main_flash"))) {
        const std::pair<const char*, QString> variables[] = {
            {"name", "0.0"}, {"ext", ".dat"},  {"my_play", "stop"},   {"loading", "1"},
            {"tutor", key},  {"tutor2", LessonTitle}, {"my_frame", "1"}, {"my_play", "play"},
        };
        for (const auto& [name, text] : variables)
            frame->SetVariable(QLatin1String(name), text);
    }
    if (TSkFlash* movie = LessonFlash(QStringLiteral("see_flash"))) {
        movie->OpenMovie(QStringLiteral("Content\\") + key + QStringLiteral(".dat"));
        movie->GotoFrame(0);
        movie->Play();
    }
}

void TfrmMain::ResetLesson()
{
    if (TSkFlash* frame = LessonFlash(QStringLiteral("main_flash")))
        frame->SetVariable(QStringLiteral("tutor2"), QString());
    if (TSkFlash* movie = LessonFlash(QStringLiteral("see_flash"))) {
        movie->OpenMovie(kResetMovie);
        movie->Stop();
    }
}

// Steps through the loose lesson list (no archive fallback) to the next or previous lesson.
void TfrmMain::StepLesson(const QString& direction)
{
    const QStringList lines = TextLines(ReadWholeFile(ProgramPath(kLessonList)));
    const int index = IndexOfKey(lines, LessonKey());
    int next = 0;
    if (direction == QLatin1String("++"))
        next = index + 1;
    else if (direction == QLatin1String("--"))
        next = index - 1;
    else
        throw AppError(AppError::Kind::Conversion, QStringLiteral("'%1' is not a valid integer value").arg(direction));
    if (next < 0 || next >= lines.size())
        return;
    FocusLesson();
    const QString key = lines[next].section(u'=', 0, 0);
    Lesson = StrToInt(key.section(u'.', 1));
    Chapter = StrToInt(key.section(u'.', 0, 0));
    StartLesson();
}

// Opening another movie and then the lesson again reloads the lesson from its start.
void TfrmMain::RestartLesson()
{
    TSkFlash* movie = LessonFlash(QStringLiteral("see_flash"));
    if (!movie)
        return;
    const QString lesson = movie->MovieName();
    movie->OpenMovie(kResetMovie);
    movie->OpenMovie(lesson);
    movie->GotoFrame(0);
    FocusLesson();
    movie->Play();
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    DestroyScenes();
    event->accept();
}

void TfrmMain::DestroyScenes()
{
    mainScene_.reset();
    showScene_.reset();
}
