#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace swf {
class SwfPlayer;
}

// Stands where the Flash Player control stood: plays a movie with our SWF engine and offers the
// control's operations. Frame numbers here count from 0, as the control's did. Paints the stage
// background, letterboxed to keep the stage's proportions.
class FlashWidget : public QWidget {
    Q_OBJECT
public:
    explicit FlashWidget(QWidget* parent = nullptr);
    ~FlashWidget() override;

    // Loads the movie file (a native path) and shows its first frame; throws AppError when the
    // file cannot be read or is not a movie (the previous movie stays).
    void SetMovie(const QString& path);
    int TotalFrames() const;
    void SetMenu(bool shown);
    void Play();
    void Stop();
    void GotoFrame(int frame);
    int CurrentFrame() const;
    void SetVariable(const QString& name, const QString& value);
    QString GetVariable(const QString& name) const;

    // Ticks come from a timer at the movie's frame rate; tests drive them by hand instead.
    void SetManualTicks(bool manual);
    void Tick();

signals:
    void fsCommand(const QString& command, const QString& arguments);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void RestartTicks();

    std::unique_ptr<swf::SwfPlayer> player_;
    QTimer ticks_;
    bool manualTicks_ = false;
};
