#include "Application.h"

#include "ErrorGuard.h"

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    bool handled = false;
    GuardedCall([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}
