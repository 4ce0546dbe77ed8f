#include "comparison/sample_range.h"

#include <algorithm>
#include <cmath>

#include "canvas/counted_loop.h"
#include "canvas/picture_area.h"

namespace plotaris::comparison {

namespace {

// How far beyond the edge, in pixels, a point's dot (at most 5 pixels wide) can still colour it.
constexpr double kDotReach = 4;

}  // namespace

TooManySamples::TooManySamples()
    : std::runtime_error("O intervalo das abcissas é demasiado largo: o gráfico teria mais de dez milhões de pontos.") {}

SampleRange drawableRange(double start, double end, const canvas::PictureArea& picture) {
    const double left = picture.scaleLeft(), right = left + picture.scaleWidth();
    const double reach = kDotReach * std::fabs(picture.scaleWidth()) / std::max(1, picture.pixelWidth());
    const SampleRange range{std::max(start, std::min(left, right) - reach), std::min(end, std::max(left, right) + reach)};
    if (canvas::countedLoopPasses(range.start, range.end, kStep) > kMaxSamples) throw TooManySamples();
    return range;
}

}  // namespace plotaris::comparison
