// Counting pixels of a grabbed picture, for the view tests.
#pragma once

#include <QImage>

namespace opt::guitest {

inline int CountColour(const QImage& img, QRgb colour) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return n;
}

inline int CountNotBlack(const QImage& img) {
    return img.width() * img.height() - CountColour(img, qRgb(0, 0, 0));
}

}  // namespace opt::guitest
