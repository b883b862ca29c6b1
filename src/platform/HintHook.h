#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

class QWidget;

// The application-wide hint event: one handler at a time may replace the hint (tool tip) of any
// control before it is shown. Setting a handler replaces the previous one.
namespace HintHook {

struct Request {
    QWidget* control;
    QPoint cursorPos;  // in the control's coordinates
};

struct Hint {
    QString text;
    QRect cursorRect;  // in the control's coordinates: the hint stays while the cursor is inside
    QPoint position;   // top-left of the hint on the screen
};

// Returns a hint to show instead of the control's own, or nothing to keep it.
using Handler = std::function<std::optional<Hint>(const Request&)>;

void Set(const void* owner, Handler handler);

// Removes the handler if `owner` set it (an interpreter going away).
void ClearIf(const void* owner);

}  // namespace HintHook
