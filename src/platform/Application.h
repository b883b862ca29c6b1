#pragma once

#include <QApplication>

// The application object: every event is delivered under GuardedCall, so an error escaping an
// event handler or a slot is reported and the event loop goes on.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
