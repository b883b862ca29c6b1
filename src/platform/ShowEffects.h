#pragma once

#include <QString>

class QWidget;

// Animations played when a top-level window is shown. The names are ours: "fade" (the window
// fades in), "slide_down", "slide_up", "slide_left", "slide_right" (it fades in while gliding in
// the named direction into place) and "zoom" (a picture of it grows from its centre). Names are
// compared without regard to case.

// Starts the effect on a window that has just been shown and returns true; for a name we do not
// have it leaves the window as it is and returns false. The animation belongs to the window.
bool PlayShowEffect(QWidget& window, const QString& name, int milliseconds);
