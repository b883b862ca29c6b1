#pragma once

#include "ActionBearing.h"

#include <QRadioButton>

// A radio button of a scene. Radio buttons with the same parent exclude each other. Its action
// text is kept but nothing runs it.
class TSkRadioButton : public QRadioButton, public ActionBearing {
    Q_OBJECT
public:
    explicit TSkRadioButton(QWidget* parent = nullptr);
};
