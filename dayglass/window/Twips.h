#pragma once

#include "TwipsPerPixel.h"

#include <QRect>

// Each edge of a layout in twips is rounded to the nearest pixel on its own,
// so neighbouring controls keep their overlaps and gaps.
constexpr int twipsToPixels(int twips) {
    constexpr int half = twipsPerPixel / 2;
    return twips >= 0 ? (twips + half) / twipsPerPixel : -((-twips + half) / twipsPerPixel);
}

constexpr QRect twipsRect(int left, int top, int width, int height) {
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return QRect(x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y);
}
