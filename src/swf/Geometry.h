#pragma once

namespace swf {

// Stage and bounds rectangle in twips.
struct Rect {
    int xMin = 0;
    int xMax = 0;
    int yMin = 0;
    int yMax = 0;
};

// 2D affine transform; translation in twips.
struct Matrix {
    double a = 1, b = 0, c = 0, d = 1;
    double tx = 0, ty = 0;
};

// Colour transform: multiply terms (1.0 = unchanged) and add terms (-255..255).
struct ColorTransform {
    double rMul = 1, gMul = 1, bMul = 1, aMul = 1;
    int rAdd = 0, gAdd = 0, bAdd = 0, aAdd = 0;
};

} // namespace swf
