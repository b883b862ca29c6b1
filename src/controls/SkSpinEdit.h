#pragma once

#include <QSpinBox>

// A spin edit of a scene, at 0. Like the host library's, equal smallest and largest values
// (both 0 at the start) mean no limit.
class TSkSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    explicit TSkSpinEdit(QWidget* parent = nullptr);

    void SetMinValue(int value);
    void SetMaxValue(int value);
    // The greatest number of characters that can be typed; 0 or less: no limit.
    void SetMaxLength(int length);

private:
    void ApplyRange();

    int minValue_ = 0;
    int maxValue_ = 0;
};
