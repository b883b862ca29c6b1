#pragma once

#include <QString>

// Reads an integer the way course files write them: leading spaces, an optional sign, then
// decimal digits or hexadecimal digits after "$" or "0x". Hexadecimal values fill 32 bits and
// wrap into negative numbers ("$FFFFFFFF" is -1); decimal values must fit a 32-bit int.
// Throws AppError (Conversion) "'<text>' is not a valid integer value" for anything else.
int StrToInt(const QString& text);
