#pragma once

#include <QString>

class QWidget;

// Gives the control the theme object that the window's style sheet selects on
// ([themeObject="name"]) and has the style apply the matching rules at once.
void SetThemeObject(QWidget* control, const QString& name);
