#pragma once

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
#include <QPointer>

class TrackBarBinding;
class TSkTrackBar;
class QVideoWidget;

// An audio or video player of a scene. It has no surface of its own: video is drawn inside the
// control it is placed in. The operations raise AppError "No MCI device open" when nothing is
// loaded, as the platform's media player did.
class TSkMedia : public QObject {
    Q_OBJECT
public:
    // `window` owns the player; `display` is the control video is drawn in.
    TSkMedia(QObject* window, QWidget* display);

    // Loads the file (resolved against the program folder) and plays it. A file that cannot be
    // opened raises AppError with the player's error text; the name is kept, nothing plays.
    void LoadFile(const QString& name);
    void Play();
    void Pause();
    void Stop();
    void BindTrackBar(TSkTrackBar* bar);

    const QString& FileName() const { return fileName_; }
    bool Following() const;
    QMediaPlayer& Player() { return player_; }

private:
    void RequireDevice() const;

    QString fileName_;
    QMediaPlayer player_;
    QAudioOutput audio_;
    QPointer<QVideoWidget> video_;
    TrackBarBinding* bar_;
};
