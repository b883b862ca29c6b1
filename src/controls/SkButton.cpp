#include "SkButton.h"

TSkButton::TSkButton(QWidget* parent) : QPushButton(parent)
{
}
