#pragma once

#include "ActionBearing.h"

#include <QSlider>

// A horizontal track bar of a scene, 0 to 10 with a tick at every step below it. A Flash or media
// object bound to it hooks mouseDown() and mouseUp() (anywhere on the bar, after the bar has
// handled the press or release, so the position is current). Its action text is kept but
// nothing runs it.
class TSkTrackBar : public QSlider, public ActionBearing {
    Q_OBJECT
public:
    explicit TSkTrackBar(QWidget* parent = nullptr);

signals:
    void mouseDown();
    void mouseUp();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
