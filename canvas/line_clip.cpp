#include "canvas/line_clip.h"

#include <algorithm>
#include <cmath>

namespace plotaris::canvas {

namespace {

// An end this close to the box, in pixels, converts exact to far below a pixel, and so do the
// ends cut from it.
constexpr double kReach = 0x1p20;

bool withinReach(QPointF p, const QRectF& box) {
    return p.x() >= box.left() - kReach && p.x() <= box.right() + kReach && p.y() >= box.top() - kReach &&
           p.y() <= box.bottom() + kReach;
}

// Cuts the segment to the rectangle (Liang-Barsky); false when nothing of it lies inside.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& r) {
    double t0 = 0, t1 = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) t0 = std::max(t0, t);
        else t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const QPointF from = a, along(dx, dy);
    a = from + t0 * along;
    b = from + t1 * along;
    return true;
}

}  // namespace

bool clipLine(double x1, double y1, double x2, double y2, const UnitsToPixels& toPixels, const QRectF& box,
              QPointF& start, QPointF& end) {
    start = toPixels(x1, y1);
    end = toPixels(x2, y2);
    const bool startNear = withinReach(start, box), endNear = withinReach(end, box);
    if (!startNear || !endNear) {
        // A far end in pixels is off by as much as 2^-52 of its distance, and so is any point
        // computed from it. The line is placed instead by how far it passes from the scale's
        // origin, (x2 - x1)(oy - y1) - (y2 - y1)(ox - x1), taken apart as below. Products of
        // single-precision values are exact in double, so the two large ones cancel with one
        // rounding, of the size of what is left; the other terms, in pixels, are about as large
        // as the origin, less than 2^24 widths of the area away (the scale's edges are distinct
        // single-precision values), and err by 2^-52 of that.
        const double dx = x2 - x1, dy = y2 - y1;
        const double fromOrigin = (x1 * y2 - y1 * x2) + (toPixels.originY * dx - toPixels.originX * dy);
        const QPointF d(dx * toPixels.perUnitX, dy * toPixels.perUnitY);
        const double length = std::hypot(d.x(), d.y());
        const QPointF along = d / length;
        // The line's signed distance from the pixel origin, and its point nearest to it.
        const double offset = fromOrigin * toPixels.perUnitX * toPixels.perUnitY / length;
        const QPointF nearest(offset * along.y(), -offset * along.x());
        // No point of the line farther than this from the pixel origin lies in the box.
        const double beyond = std::hypot(std::max(-box.left(), box.right()), std::max(-box.top(), box.bottom())) + 1;
        if (!(std::fabs(offset) < beyond)) return false;
        // A far end moves along the line to just beyond the box, on its own side.
        const auto pulledIn = [&](QPointF p) {
            return nearest + std::clamp(QPointF::dotProduct(p - nearest, along), -beyond, beyond) * along;
        };
        if (!startNear) start = pulledIn(start);
        if (!endNear) end = pulledIn(end);
    }
    return clipSegment(start, end, box);
}

}  // namespace plotaris::canvas
