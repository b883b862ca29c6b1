#include "SkPanel.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>

TSkPanel::TSkPanel(QWidget* parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    setLineWidth(0);
    setAutoFillBackground(true);  // a panel covers what lies beneath it
}

void TSkPanel::SetCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void TSkPanel::SetCenterH(bool on)
{
    centerH_ = on;
    CentringChanged();
}

void TSkPanel::SetCenterV(bool on)
{
    centerV_ = on;
    CentringChanged();
}

void TSkPanel::Recenter()
{
    const QWidget* parent = parentWidget();
    if (!parent)
        return;
    QRect bounds = geometry();
    if (centerH_)
        bounds.moveLeft((parent->width() - width()) / 2);
    if (centerV_)
        bounds.moveTop((parent->height() - height()) / 2);
    if (bounds != geometry())
        ControlGeometry::Of(this)->SetBounds(bounds);
}

// The parent's resizes are watched while a flag is set. Anchors that follow the parent's resize
// may move the panel before or after this; placing it through its geometry object makes the
// centred place their new reference, so both end where this puts it.
void TSkPanel::CentringChanged()
{
    if (!parentWidget())
        return;
    if (centerH_ || centerV_) {
        parentWidget()->installEventFilter(this);
        Recenter();
    } else {
        parentWidget()->removeEventFilter(this);
    }
}

bool TSkPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        Recenter();
    return QFrame::eventFilter(watched, event);
}

void TSkPanel::mouseDoubleClickEvent(QMouseEvent* event)
{
    QFrame::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void TSkPanel::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (caption_.isEmpty())
        return;
    QPainter painter(this);
    style()->drawItemText(&painter, contentsRect(), Qt::AlignCenter, palette(), isEnabled(), caption_,
                          foregroundRole());
}
