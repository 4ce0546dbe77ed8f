// The body of graduationRun (graduation.h).
#include <algorithm>

#include "canvas/counted_loop.h"

namespace plotaris::canvas {

inline constexpr double kMaxGraduationSteps = 100000;

template <class Body>
double graduationRun(double start, double end, double step, double visibleLow, double visibleHigh, Body&& body) {
    const double stop = step > 0 ? std::min(end, visibleHigh) : std::max(end, visibleLow);
    if (countedLoopPasses(start, stop, step) > kMaxGraduationSteps) return start;
    return countedLoop(start, stop, step, body);
}

}  // namespace plotaris::canvas
