#pragma once

#include <QObject>
#include <QPointer>

class TSkForm;
class QWidget;

// Binds a control's mouse-down to its window's drag handler, so that pressing the left button on
// the control drags the window like its caption. Replaces the control's own mouse-down handling.
class DragHook : public QObject {
    Q_OBJECT
public:
    static void Bind(QWidget* control, TSkForm* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DragHook(QWidget* control, TSkForm* window);

    QPointer<TSkForm> window_;
};
