// The cosine and sine of an angle that moves in small equal steps, as a polar curve's counter
// does: each value is the last one turned by the step actually taken, so a sample costs four
// products instead of a cosine and a sine. The step's own cosine and sine are computed once and
// kept while the step stays the same (a double counter grows by the same amount throughout a
// binade); a changed step and every kSamplesBetweenAnchors-th sample take the cosine and sine of
// the angle itself, so that rounding cannot build up: the values stay within about 1e-13 of
// std::cos and std::sin, far below what a single-precision point can show.
#pragma once

#include <cmath>

namespace plotaris::canvas {

class AngleSteps {
public:
    // The cosine and sine of `angle`, the angle of the call before plus a step.
    void next(double angle, double& cosine, double& sine) {
        const double step = angle - angle_;
        angle_ = angle;
        if (step == step_ && --untilAnchor_ > 0) {
            if (!stepReady_) {
                stepCos_ = std::cos(step);
                stepSin_ = std::sin(step);
                stepReady_ = true;
            }
            const double c = cos_;
            cos_ = c * stepCos_ - sin_ * stepSin_;
            sin_ = sin_ * stepCos_ + c * stepSin_;
        } else {
            // The first call, a changed step, or time to start afresh.
            if (step != step_) {
                step_ = step;
                stepReady_ = false;
            }
            cos_ = std::cos(angle);
            sin_ = std::sin(angle);
            untilAnchor_ = kSamplesBetweenAnchors;
        }
        cosine = cos_;
        sine = sin_;
    }

private:
    static constexpr int kSamplesBetweenAnchors = 256;
    double angle_ = NAN, step_ = NAN;  // NaN: the first call starts afresh
    double cos_ = 1, sin_ = 0;
    double stepCos_ = 1, stepSin_ = 0;
    bool stepReady_ = false;
    int untilAnchor_ = 0;
};

}  // namespace plotaris::canvas
