#pragma once

#include <QString>

// The action text of a control that runs actions: an action string sent unchanged, or a template
// the interpreter fills with the value the user chose. Empty until the scene's "action" key sets
// it. Controls whose events run nothing keep it too, because scenes may give them one.
class ActionBearing {
public:
    QString ActionText;

protected:
    ActionBearing() = default;
    ~ActionBearing() = default;
};
