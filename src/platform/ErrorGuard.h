#pragma once

#include <functional>

// Runs `work` at an entry point from the event loop (start-up code, timers, dispatch): an
// AppError or other std::exception that escapes it is handed to the application's standard error
// report, and the program goes on.
void GuardedCall(const std::function<void()>& work);
