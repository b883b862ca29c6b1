#include "SkRadioButton.h"

TSkRadioButton::TSkRadioButton(QWidget* parent) : QRadioButton(parent)
{
}
