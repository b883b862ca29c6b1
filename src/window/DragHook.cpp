#include "DragHook.h"

#include "SkForm.h"

#include <QMouseEvent>

void DragHook::Bind(QWidget* control, TSkForm* window)
{
    if (!control->findChild<DragHook*>(QString(), Qt::FindDirectChildrenOnly))
        new DragHook(control, window);
}

DragHook::DragHook(QWidget* control, TSkForm* window) : QObject(control), window_(window)
{
    control->installEventFilter(this);
}

bool DragHook::eventFilter(QObject*, QEvent* event)
{
    if (event->type() != QEvent::MouseButtonPress || !window_)
        return false;
    window_->DragMouseDown(static_cast<QMouseEvent*>(event)->button());
    return true;
}
