#pragma once

#include "ActionBearing.h"

#include <QLineEdit>

// A one-line edit box of a scene; its action string is meant for the Return key. The scene hooks
// keyDown(), raised with the Qt key code for every key pressed in the box, after the box has
// handled it.
class TSkEditBox : public QLineEdit, public ActionBearing {
    Q_OBJECT
public:
    explicit TSkEditBox(QWidget* parent = nullptr);

signals:
    void keyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
