#pragma once

#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

// The font key value of scenes: 'name*size*colour*styles'. Empty fields leave that part of the
// font alone; the styles are rebuilt from the letters i, b and u (any case) when given.
// Throws AppError for a size or colour that does not convert.
void ParseFontSpec(QFont& font, QColor& color, const QString& value);

// Applies a font key value to a control's own font and text colour.
void ApplyFontSpec(QWidget* control, const QString& value);
