#include "canvas/visible_run.h"

#include <algorithm>
#include <cmath>

#include "canvas/picture_area.h"

namespace plotaris::canvas {

namespace {

// Points reach the picture in single precision: an x a little outside the edges in double may
// still round onto it.
constexpr double kSingleRounding = 1.0 / (1 << 20);

// The first sample of the run at or above `low`: the run's samples are start + k step, which
// is r + m step for the exact remainder r of start by step.
double firstSampleFrom(double start, double step, double low) {
    if (start >= low) return start;
    const double remainder = std::fmod(start, step);
    const double m = std::ceil((low - remainder) / step);
    const double first = remainder + m * step;
    return std::isfinite(first) ? std::max(first, start) : low;
}

}  // namespace

SampleRun visiblePart(SampleRun run, const PictureArea& picture) {
    if (!(run.step > 0) || !std::isfinite(run.start) || picture.pixelWidth() <= 0) return run;
    // A dot reaches a pixel or so beyond its width on either side of its place.
    const double reach = picture.drawWidth() + 2;
    const double a = picture.toUser(QPointF(-reach, 0)).x();
    const double b = picture.toUser(QPointF(picture.pixelWidth() + reach, 0)).x();
    const double widen = std::max(std::fabs(a), std::fabs(b)) * kSingleRounding;
    const double low = std::min(a, b) - widen, high = std::max(a, b) + widen;

    SampleRun cut{firstSampleFrom(run.start, run.step, low), std::min(run.end, high), run.step};
    const double samples = (cut.end - cut.start) / cut.step;
    const double most = kMaxSamplesPerColumn * (picture.pixelWidth() + 2 * reach);
    if (samples > most) cut.step *= std::ceil(samples / most);
    return cut;
}

}  // namespace plotaris::canvas
