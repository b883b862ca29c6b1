#pragma once

#include "ControlGeometry.h"

#include <QRect>
#include <QWidget>

// Hides and shows a control, bringing it back where it stood when it was last hidden this way.
// Mixed into the control class `Control` (a QWidget).
template <class Control>
class ShownToggle {
public:
    int SavedLeft() const { return savedLeft_; }
    int SavedTop() const { return savedTop_; }

    void ToggleShown()
    {
        QWidget& control = static_cast<Control&>(*this);
        const bool wasShown = !control.isHidden();
        if (wasShown) {
            savedLeft_ = control.x();
            savedTop_ = control.y();
        }
        control.setVisible(!wasShown);
        if (!wasShown)
            ControlGeometry::Of(&control)->SetBounds(QRect(QPoint(savedLeft_, savedTop_), control.size()));
    }

protected:
    ShownToggle() = default;
    ~ShownToggle() = default;

private:
    int savedLeft_ = 0;
    int savedTop_ = 0;
};
