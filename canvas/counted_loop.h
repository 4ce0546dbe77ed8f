// The counted loop of every graduation run and every drawing: a double counter that starts at
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

// Returns the counter as the loop leaves it: the first value past the end (the start when no
// pass ran), or the value that adding the step no longer changed.
template <class Body>
double countedLoop(double start, double end, double step, Body&& body) {
    if (step == 0 || std::isnan(step)) return start;
    double counter = start;
    while (countedLoopGoesOn(counter, end, step)) {
        body(counter);
        const double next = counter + step;
        if (next == counter) break;
        counter = next;
    }
    return counter;
}

// How many passes such a loop makes (a good estimate; exact but for the last rounding).
inline double countedLoopPasses(double start, double end, double step) {
    if (step == 0 || std::isnan(step) || !countedLoopGoesOn(start, end, step)) return 0;
    return std::floor((end - start) / step) + 1;
}

}  // namespace plotaris::canvas
