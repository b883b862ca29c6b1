#include "PlaceholderControl.h"

#include <QPainter>

PlaceholderControl::PlaceholderControl(const QString& type, QWidget* parent) : QFrame(parent), type_(type)
{
    resize(100, 40);
}

void PlaceholderControl::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DashLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(rect().adjusted(4, 2, -4, -2), Qt::AlignLeft | Qt::AlignTop, objectName() + " : " + type_);
}
