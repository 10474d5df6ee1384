#pragma once

#include <QImage>

// Whether a picture of the window holds red, as a day number drawn in red
// does: white text, the bevels' greys and the cells' black never do.
inline bool holdsRed(const QImage &picture) {
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb pixel = picture.pixel(x, y);
            if (qRed(pixel) > 128 && qGreen(pixel) < 64 && qBlue(pixel) < 64)
                return true;
        }
    }
    return false;
}
