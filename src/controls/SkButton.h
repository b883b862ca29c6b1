#pragma once

#include "ActionBearing.h"

#include <QPushButton>

// A push button of a scene; its action string runs on clicked().
class TSkButton : public QPushButton, public ActionBearing {
    Q_OBJECT
public:
    explicit TSkButton(QWidget* parent = nullptr);
};
