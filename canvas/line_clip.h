// Cutting a line to a box of pixels around the picture area, for ends as far off as single
// precision reaches.
#pragma once

#include <QPointF>
#include <QRectF>

namespace plotaris::canvas {

// Where user units land in pixels: (x - originX) * perUnitX, and alike for y. The origin is a
// single-precision value; a factor is negative on a mirrored scale.
struct UnitsToPixels {
    double originX = 0, originY = 0, perUnitX = 1, perUnitY = 1;
    QPointF operator()(double x, double y) const { return {(x - originX) * perUnitX, (y - originY) * perUnitY}; }
};

// The part inside `box` of the line from (x1, y1) to (x2, y2), single-precision values, as its
// ends in pixels, within a small fraction of a pixel of the exact line through them; false when
// nothing of it lies inside.
bool clipLine(double x1, double y1, double x2, double y2, const UnitsToPixels& toPixels, const QRectF& box,
              QPointF& start, QPointF& end);

}  // namespace plotaris::canvas
