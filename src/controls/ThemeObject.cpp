#include "ThemeObject.h"

#include <QStyle>
#include <QWidget>

void SetThemeObject(QWidget* control, const QString& name)
{
    control->setProperty("themeObject", name);
    control->style()->unpolish(control);
    control->style()->polish(control);
    control->update();
}
