#include "TrackBarBinding.h"

#include "ErrorGuard.h"
#include "SkTrackBar.h"

TrackBarBinding::TrackBarBinding(int intervalMilliseconds, Handlers handlers, QObject* owner)
    : QObject(owner), handlers_(std::move(handlers))
{
    timer_.setInterval(intervalMilliseconds);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (bar_)
            bar_->setValue(handlers_.position());
    });
}

void TrackBarBinding::Bind(TSkTrackBar* bar)
{
    if (bar_) {
        disconnect(bar_, &TSkTrackBar::mouseDown, this, nullptr);
        disconnect(bar_, &TSkTrackBar::mouseUp, this, nullptr);
    }
    bar_ = bar;
    if (!bar)
        return;
    disconnect(bar, &TSkTrackBar::mouseDown, nullptr, nullptr);
    disconnect(bar, &TSkTrackBar::mouseUp, nullptr, nullptr);
    // The player's errors end in these slots; they must not unwind through Qt's signal code.
    connect(bar, &TSkTrackBar::mouseDown, this, [this] { GuardedCall(handlers_.pressed); });
    connect(bar, &TSkTrackBar::mouseUp, this, [this] { GuardedCall([this] { handlers_.released(bar_->value()); }); });
}

void TrackBarBinding::SetMaximum(int maximum)
{
    if (bar_)
        bar_->setMaximum(maximum);
}
