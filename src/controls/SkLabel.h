#pragma once

#include "ActionBearing.h"

#include <QLabel>

// A label of a scene. Its action text is kept but nothing runs it.
class TSkLabel : public QLabel, public ActionBearing {
    Q_OBJECT
public:
    explicit TSkLabel(QWidget* parent = nullptr);

    // On: underlined (no other style), pure blue, hand cursor. Off: no style, the system's window
    // text colour, the default cursor. Replaces what a font set before, and a font set after
    // replaces this.
    void SetLinkLook(bool on);
};
