#pragma once

#include "Family.h"

#include <QString>

class QObject;
class QWidget;
class TSkStract;

// Creates the control of one scene object: of the class its family stands for, owned and placed
// as that family is, with its component name, its events hooked to the interpreter.
class ObjectFactory {
public:
    struct Created {
        QObject* object = nullptr;
        QWidget* container = nullptr;  // set when the object can hold other objects
    };

    explicit ObjectFactory(TSkStract& scene) : scene_(scene) {}

    // Throws AppError (Component) when the name is not a valid or not a unique component name.
    Created Create(Family family, QWidget* parent, const QString& name);

private:
    Created NewControl(Family family, QWidget* parent);
    Created EditBox(QWidget* parent);
    Created Flash(QWidget* parent);
    // Hooks the control's click (or change) signal to the scene's click handling.
    template <typename Control, typename Signal>
    Created Clickable(Control* control, Signal signal);

    TSkStract& scene_;
};
