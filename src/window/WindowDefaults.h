#pragma once

#include <QSize>

class QWidget;
class TSkForm;

// The design-time look every window class starts with: button-face background, the classic
// dialog font ("MS Sans Serif", 11 pixels; the nearest font where it is missing), its size, and
// the centre of the screen as its place.
namespace WindowDefaults {

void Apply(TSkForm& window, QSize size);
void CentreOnScreen(QWidget& window);

}  // namespace WindowDefaults
