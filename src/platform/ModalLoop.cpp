#include "ModalLoop.h"

#include <QEvent>
#include <QWidget>

ModalLoop::ModalLoop(QWidget* window) : window_(window)
{
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, &loop_, &QEventLoop::quit);
}

void ModalLoop::Exec()
{
    if (!WindowGone())
        loop_.exec(QEventLoop::DialogExec);
    if (window_)
        window_->removeEventFilter(this);
}

bool ModalLoop::eventFilter(QObject* watched, QEvent* event)
{
    // A minimized window gets a spontaneous hide event but stays visible: only a real hide counts.
    if (watched == window_ && event->type() == QEvent::Hide && WindowGone())
        loop_.quit();
    return false;
}

bool ModalLoop::WindowGone() const
{
    return !window_ || !window_->isVisible();
}
