// Reads the pixels of a canvas's kept image at places given in its user units, for the tests of
// every window that draws on a canvas.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <cmath>

#include "canvas/picture_area.h"

namespace plotaris::testing {

inline constexpr QRgb kBlack = 0xFF000000u;
inline constexpr QRgb kWhite = 0xFFFFFFFFu;
inline constexpr QRgb kGraphBlue = 0xFF0000FFu;

class CanvasPixels {
public:
    virtual ~CanvasPixels() = default;

protected:
    // The canvas read.
    virtual canvas::PictureArea& canvas() const = 0;

    const QImage& image() const { return canvas().image(); }
    // The pixel that holds the point (x, y) of the user scale.
    QPoint pixel(double x, double y) const {
        const QPointF p = canvas().toPixels(float(x), float(y));
        return {int(std::floor(p.x())), int(std::floor(p.y()))};
    }
    QRgb at(QPoint p) const { return image().valid(p) ? image().pixel(p) : 0; }
    QRgb at(double x, double y) const { return at(pixel(x, y)); }
    // How many pixels of the colour lie in the rectangle (in pixels).
    int count(QRect r, QRgb colour) const {
        int n = 0;
        r = r.intersected(image().rect());
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) n += image().pixel(x, y) == colour;
        return n;
    }
    // Pixels that are not the background in the rectangle.
    int ink(QRect r) const {
        const QRect inside = r.intersected(image().rect());
        return inside.width() * inside.height() - count(r, kWhite);
    }
    int axisRow() const { return pixel(0, 0).y(); }
    int axisColumn() const { return pixel(0, 0).x(); }
};

}  // namespace plotaris::testing
