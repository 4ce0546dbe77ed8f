#include "canvas/sample_range.h"

#include <algorithm>
#include <cmath>

#include "canvas/counted_loop.h"
#include "canvas/picture_area.h"

namespace plotaris::canvas {

namespace {

// How far beyond the edge, in pixels, a point's dot (at most 5 pixels wide) can still colour it.
constexpr double kDotReach = 4;

// The first value of start, start + step, start + 2 step, ... at or past `low`: the counter
// carries on where it would have reached the canvas. From so far off that the jump cannot land
// on those values (the counter would never have got there), the start is the edge itself.
double firstValueFrom(double start, double low, double step) {
    if (!(start < low)) return start;
    const double jumped = start + std::ceil((low - start) / step) * step;
    return std::isfinite(jumped) && std::fabs(jumped - low) <= step ? jumped : low;
}

}  // namespace

SampleRange drawableRange(double start, double end, double step, const PictureArea& picture) {
    if (countedLoopPasses(start, end, step) <= kWholeRangeSamples) return {start, end};
    const double left = picture.scaleLeft(), right = left + picture.scaleWidth();
    const double reach = kDotReach * std::fabs(picture.scaleWidth()) / std::max(1, picture.pixelWidth());
    return {firstValueFrom(start, std::min(left, right) - reach, step), std::min(end, std::max(left, right) + reach)};
}

}  // namespace plotaris::canvas
