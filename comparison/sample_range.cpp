#include "comparison/sample_range.h"

#include <algorithm>
#include <cmath>

#include "canvas/counted_loop.h"
#include "canvas/picture_area.h"

namespace plotaris::comparison {

namespace {

// How far beyond the edge, in pixels, a point's dot (at most 5 pixels wide) can still colour it.
constexpr double kDotReach = 4;

// The first value of start, start + kStep, start + 2 kStep, ... at or past `low`: the counter
// carries on where it would have reached the canvas. From so far off that the jump cannot land
// on those values (the counter would never have got there), the start is the edge itself.
double firstValueFrom(double start, double low) {
    if (!(start < low)) return start;
    const double jumped = start + std::ceil((low - start) / kStep) * kStep;
    return std::isfinite(jumped) && std::fabs(jumped - low) <= kStep ? jumped : low;
}

}  // namespace

TooManySamples::TooManySamples()
    : std::runtime_error("O intervalo das abcissas é demasiado largo: o gráfico teria mais de dez milhões de pontos.") {}

SampleRange drawableRange(double start, double end, const canvas::PictureArea& picture) {
    const double left = picture.scaleLeft(), right = left + picture.scaleWidth();
    const double reach = kDotReach * std::fabs(picture.scaleWidth()) / std::max(1, picture.pixelWidth());
    const SampleRange range{firstValueFrom(start, std::min(left, right) - reach),
                            std::min(end, std::max(left, right) + reach)};
    if (canvas::countedLoopPasses(range.start, range.end, kStep) > kMaxSamples) throw TooManySamples();
    return range;
}

}  // namespace plotaris::comparison
