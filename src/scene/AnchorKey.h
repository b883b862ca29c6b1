#pragma once

#include <QString>

class QWidget;

// The "anchor" key: 'left top right bottom', each a number of pixels from that edge of the
// parent's client area or "*" for a free edge. Places the control at once and anchors it to the
// edges given; with both edges of a direction free a panel centres itself in that direction.
// Throws AppError when a field is neither "*" nor a number.
void ApplyAnchor(QWidget* control, const QString& value);
