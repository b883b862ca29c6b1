#pragma once

#include <QFrame>

// Stands where a scene object's control class does not exist yet, so that every scene loads: it
// takes its place, size and children, and draws a thin outline with its type.
class PlaceholderControl : public QFrame {
    Q_OBJECT
public:
    PlaceholderControl(const QString& type, QWidget* parent);

    const QString& Type() const { return type_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString type_;
};
