// The counted loop of every graduation run and graph drawing: a double counter that starts at
// `start` and accumulates `step`, an end read once, the direction given by the sign of the step.
// Two cases would never end and end here: a zero (or NaN) step runs no pass at all, and a loop
// whose counter no longer changes when the step is added stops after that pass.
#pragma once

#include <cmath>

namespace plotaris::canvas {

// True while the counter has not passed the end in the direction of the step.
inline bool countedLoopGoesOn(double counter, double end, double step) {
    return step > 0 ? counter <= end : counter >= end;
}

template <class Body>
void countedLoop(double start, double end, double step, Body&& body) {
    if (step == 0 || std::isnan(step)) return;
    for (double counter = start; countedLoopGoesOn(counter, end, step);) {
        body(counter);
        const double next = counter + step;
        if (next == counter) return;
        counter = next;
    }
}

// How many passes such a loop makes (a good estimate; exact but for the last rounding).
inline double countedLoopPasses(double start, double end, double step) {
    if (step == 0 || std::isnan(step) || !countedLoopGoesOn(start, end, step)) return 0;
    return std::floor((end - start) / step) + 1;
}

}  // namespace plotaris::canvas
