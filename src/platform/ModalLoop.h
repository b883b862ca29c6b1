#pragma once

#include <QEventLoop>
#include <QObject>
#include <QPointer>

class QWidget;

// A nested event loop that lasts while a window stays visible: it ends when the window is
// hidden (closing hides it) or destroyed. A close that the window refuses does not end it.
class ModalLoop : public QObject {
    Q_OBJECT
public:
    explicit ModalLoop(QWidget* window);

    // Returns at once when the window is already gone or hidden.
    void Exec();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool WindowGone() const;

    QPointer<QWidget> window_;
    QEventLoop loop_;
};
