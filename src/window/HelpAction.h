#pragma once

#include <QString>

// One action string on its way to a dispatcher, with the screen position it came from (pop-up
// menus open there) and the height of the control that sent it.
struct RHelpAction {
    QString Action;
    int Height = 0;
    int X = 0;
    int Y = 0;
};
