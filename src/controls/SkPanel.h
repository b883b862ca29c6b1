#pragma once

#include "ActionBearing.h"
#include "ShownToggle.h"

#include <QFrame>

// A panel of a scene: an opaque container without border that shows its caption (empty at the
// start) in its middle. Its action string runs on doubleClicked(). It can be toggled hidden and
// shown again in place (ShownToggle), and kept centred in its parent in either direction.
class TSkPanel : public QFrame, public ActionBearing, public ShownToggle<TSkPanel> {
    Q_OBJECT
public:
    explicit TSkPanel(QWidget* parent = nullptr);

    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);

    bool CenterH() const { return centerH_; }
    bool CenterV() const { return centerV_; }
    // A set flag centres the panel now and again after every resize of its parent.
    void SetCenterH(bool on);
    void SetCenterV(bool on);

    // Left := (parent's width - width) div 2 when centred horizontally, Top likewise when centred
    // vertically; the parent's outer size counts.
    void Recenter();

signals:
    void doubleClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void CentringChanged();

    QString caption_;
    bool centerH_ = false;
    bool centerV_ = false;
};
