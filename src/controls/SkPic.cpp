#include "SkPic.h"

TSkPic::TSkPic(QWidget* parent) : QFrame(parent)
{
}
