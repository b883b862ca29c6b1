#pragma once

#include "Align.h"

#include <QColor>
#include <QString>
#include <Qt>
#include <cstdint>

// Readers for the small value syntaxes of scene keys.

// A colour as the course files write it: red in the low byte, blue in the third; a set high bit
// marks a system colour whose low byte is the Windows system colour index.
using TColor = std::int32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

// "true"/"1" and "false"/"0" (trimmed, any case); anything else gives `fallback`.
bool ParseBool(const QString& text, bool fallback);

// "#RRGGBB", "$BBGGRR" or bare "BBGGRR" hexadecimal. Throws AppError (Conversion) when the text
// is not hexadecimal.
TColor ParseColor(const QString& text);

// The colour to paint with; system colours follow the application palette. clNone and clDefault
// give an invalid QColor.
QColor ColorToQColor(TColor color);

// "left" and "right" (any case); anything else centres.
Qt::Alignment ParseAlignment(const QString& text);

// An Align value by its name (any case); unknown names give Align::None.
Align ParseAlign(const QString& text);
