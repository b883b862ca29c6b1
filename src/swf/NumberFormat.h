#pragma once

#include <QString>

namespace swf {

// Number to text as scripts see it: up to 15 significant digits, integers without a point,
// exponent form outside 1e-5 .. 1e15, "NaN", "Infinity", "-Infinity".
QString formatNumber(double value);

} // namespace swf
