#include "SkMedia.h"

#include "AppError.h"
#include "PathUtils.h"
#include "TrackBarBinding.h"
#include "Ui.h"

#include <QFileInfo>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>

namespace {

constexpr int kPositionMilliseconds = 2500;

// The platform media player's error texts.
const char* const kNoDevice = "No MCI device open";
const char* const kCannotOpen = "Cannot find the specified file. Make sure the path and filename are correct.";

}  // namespace

TSkMedia::TSkMedia(QObject* window, QWidget* display)
    : QObject(window),
      bar_(new TrackBarBinding(kPositionMilliseconds,
                               {[this] {
                                    bar_->StopFollowing();
                                    RequireDevice();
                                    player_.stop();
                                },
                                [this](int position) {
                                    RequireDevice();
                                    player_.setPosition(position);
                                    bar_->StartFollowing();
                                    player_.play();
                                },
                                [this] { return int(player_.position()); }},
                               this))
{
    player_.setAudioOutput(&audio_);
    if (display) {
        video_ = new QVideoWidget(display);
        video_->hide();
        player_.setVideoOutput(video_);
        connect(&player_, &QMediaPlayer::hasVideoChanged, video_, [this, display](bool hasVideo) {
            if (video_)
                video_->setGeometry(display->rect());
            video_->setVisible(hasVideo);
        });
    }
    connect(&player_, &QMediaPlayer::durationChanged, this, [this](qint64 duration) { bar_->SetMaximum(int(duration)); });
    connect(&player_, &QMediaPlayer::errorOccurred, this, [](QMediaPlayer::Error, const QString& text) {
        Ui::Instance().ReportError(text);
    });
}

void TSkMedia::LoadFile(const QString& name)
{
    if (name.isEmpty())
        return;
    fileName_ = name;
    player_.stop();
    player_.setSource(QUrl());
    const QString path = FileSystemPath(ProgramPath(name));
    if (!QFileInfo(path).isFile())
        throw AppError(AppError::Kind::FileOpen, QString::fromLatin1(kCannotOpen));
    player_.setSource(QUrl::fromLocalFile(path));
    if (bar_->Bar())
        bar_->StartFollowing();
    Play();
}

void TSkMedia::Play()
{
    bar_->StartFollowing();
    RequireDevice();
    player_.play();
}

void TSkMedia::Pause()
{
    RequireDevice();
    if (player_.playbackState() == QMediaPlayer::PlayingState)
        player_.pause();
    else if (player_.playbackState() == QMediaPlayer::PausedState)
        player_.play();
    bar_->StopFollowing();
}

void TSkMedia::Stop()
{
    bar_->StopFollowing();
    RequireDevice();
    player_.stop();
    player_.setPosition(0);
}

void TSkMedia::BindTrackBar(TSkTrackBar* bar)
{
    bar_->Bind(bar);
}

bool TSkMedia::Following() const
{
    return bar_->Following();
}

void TSkMedia::RequireDevice() const
{
    if (player_.source().isEmpty())
        throw AppError(AppError::Kind::Other, QString::fromLatin1(kNoDevice));
}
