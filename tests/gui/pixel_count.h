// Counting pixels of a grabbed picture, for the view tests.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>

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

// Where the picture is lit: the box around every pixel that is not black, and their mean place.
struct LitArea {
    QRect Box;
    QPointF Centre;
};

inline LitArea LitAreaOf(const QImage& img) {
    LitArea lit;
    double sx = 0, sy = 0;
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            if ((img.pixel(x, y) & 0xFFFFFF) == 0) continue;
            lit.Box |= QRect(x, y, 1, 1);
            sx += x;
            sy += y;
            ++n;
        }
    if (n > 0) lit.Centre = QPointF(sx / n, sy / n);
    return lit;
}

}  // namespace opt::guitest
