#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

#include "SkTrackBar.h"

// A track bar that follows a playing position: a timer sets the bar's position while it runs,
// and pressing and releasing the bar lets the user seek. Binding replaces whatever the bar's
// press and release did before.
class TrackBarBinding : public QObject {
    Q_OBJECT
public:
    struct Handlers {
        std::function<void()> pressed;              // the user takes the bar
        std::function<void(int position)> released;  // the user lets it go at a position
        std::function<int()> position;              // the position the bar shows on each tick
    };

    TrackBarBinding(int intervalMilliseconds, Handlers handlers, QObject* owner);

    void Bind(TSkTrackBar* bar);
    TSkTrackBar* Bar() const { return bar_; }
    void SetMaximum(int maximum);

    void StartFollowing() { timer_.start(); }
    void StopFollowing() { timer_.stop(); }
    bool Following() const { return timer_.isActive(); }

private:
    QTimer timer_;
    Handlers handlers_;
    QPointer<TSkTrackBar> bar_;
};
