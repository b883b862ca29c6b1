#include "SkSpinEdit.h"

#include <QLineEdit>
#include <limits>

namespace {

constexpr int kUnlimitedLength = 32767;  // QLineEdit's own default

}  // namespace

TSkSpinEdit::TSkSpinEdit(QWidget* parent) : QSpinBox(parent)
{
    ApplyRange();
}

void TSkSpinEdit::SetMinValue(int value)
{
    minValue_ = value;
    ApplyRange();
}

void TSkSpinEdit::SetMaxValue(int value)
{
    maxValue_ = value;
    ApplyRange();
}

void TSkSpinEdit::SetMaxLength(int length)
{
    lineEdit()->setMaxLength(length > 0 ? length : kUnlimitedLength);
}

void TSkSpinEdit::ApplyRange()
{
    if (minValue_ == maxValue_)
        setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    else
        setRange(minValue_, maxValue_);
}
