#include "SkTrackBar.h"

TSkTrackBar::TSkTrackBar(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    setRange(0, 10);
    setPageStep(2);
    setTickPosition(QSlider::TicksBelow);
    setTickInterval(1);
}

void TSkTrackBar::mousePressEvent(QMouseEvent* event)
{
    QSlider::mousePressEvent(event);
    emit mouseDown();
}

void TSkTrackBar::mouseReleaseEvent(QMouseEvent* event)
{
    QSlider::mouseReleaseEvent(event);
    emit mouseUp();
}
