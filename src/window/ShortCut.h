#pragma once

#include <QString>
#include <QtGlobal>

class QKeyEvent;

// Keyboard shortcuts as the host library wrote them: a virtual key code in the low byte, plus
// 0x2000 for Shift, 0x4000 for Ctrl and 0x8000 for Alt.
namespace ShortCut {

constexpr quint16 kShift = 0x2000;
constexpr quint16 kCtrl = 0x4000;
constexpr quint16 kAlt = 0x8000;

// Reads the shortcut-name syntax ("Ctrl+Shift+F1", "Alt+X", "Esc"); 0 when it cannot be read.
quint16 FromText(const QString& text);

// The shortcut value of a key press; 0 for keys without a virtual key code.
quint16 FromKeyEvent(const QKeyEvent& event);

}  // namespace ShortCut
