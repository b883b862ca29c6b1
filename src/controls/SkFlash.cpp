#include "SkFlash.h"

#include "CodePage.h"
#include "ErrorGuard.h"
#include "PathUtils.h"
#include "TrackBarBinding.h"
#include "Ui.h"

namespace {

constexpr int kPositionMilliseconds = 2000;

}  // namespace

TSkFlash::TSkFlash(QWidget* parent)
    : FlashWidget(parent),
      bar_(new TrackBarBinding(kPositionMilliseconds,
                               {[this] {
                                    bar_->StopFollowing();
                                    Stop();
                                },
                                [this](int position) {
                                    GotoFrame(position);
                                    bar_->StartFollowing();
                                    Play();
                                },
                                [this] { return CurrentFrame(); }},
                               this))
{
    connect(this, &FlashWidget::fsCommand, this, &TSkFlash::SendCommand);
}

void TSkFlash::OpenMovie(const QString& name)
{
    if (name.isEmpty())
        return;
    if (!FileExists(name)) {
        Ui::Instance().Message(QString::fromUtf8("Не найден файл ") + name);
        return;
    }
    movieName_ = name;
    SetMovie(FileSystemPath(ProgramPath(name)));
    if (bar_->Bar()) {
        bar_->SetMaximum(TotalFrames());
        bar_->StartFollowing();
    }
}

void TSkFlash::BindTrackBar(TSkTrackBar* bar)
{
    bar_->Bind(bar);
}

bool TSkFlash::Following() const
{
    return bar_->Following();
}

void TSkFlash::SetVariable(const QString& name, const QString& value)
{
    variablesSet_.emplace_back(name, value);
    FlashWidget::SetVariable(name, value);
}

// The command, "*" and the argument text, through the system code page as the host did.
void TSkFlash::SendCommand(const QString& command, const QString& arguments)
{
    if (!OnAction)
        return;
    const QString action = CodePage::FromAnsi(CodePage::ToAnsi(command + u'*' + arguments));
    const auto handler = OnAction;
    // Errors of the action end here: they must not unwind through the movie's script.
    GuardedCall([&] { handler(RHelpAction{action, 0, 0, 0}); });
}
