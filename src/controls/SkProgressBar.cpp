#include "SkProgressBar.h"

TSkProgressBar::TSkProgressBar(QWidget* parent) : QProgressBar(parent)
{
    setValue(0);
    setTextVisible(false);
}
