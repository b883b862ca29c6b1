#include "SkEditBox.h"

#include <QKeyEvent>

TSkEditBox::TSkEditBox(QWidget* parent) : QLineEdit(parent)
{
}

void TSkEditBox::keyPressEvent(QKeyEvent* event)
{
    QLineEdit::keyPressEvent(event);
    emit keyDown(event->key(), event->modifiers());
}
