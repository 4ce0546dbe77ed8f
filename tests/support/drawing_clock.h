// Clocks for drawings that tests put in place of the steady clock, so that whether a drawing's
// time is up never depends on the machine: one that moves a second at each reading, which ends a
// drawing after a known number of samples, and one that stands still, for long drawings that
// must run to their end.
#pragma once

#include "canvas/drawing_limits.h"

namespace plotaris::testing {

class FakeDrawingClock {
public:
    explicit FakeDrawingClock(int secondsPerReading) : replaced_(canvas::setDrawingClock(&now)) {
        step = secondsPerReading;
        reading = 0;
    }
    ~FakeDrawingClock() { canvas::setDrawingClock(replaced_); }
    FakeDrawingClock(const FakeDrawingClock&) = delete;
    FakeDrawingClock& operator=(const FakeDrawingClock&) = delete;

private:
    static std::chrono::steady_clock::duration now() { return std::chrono::seconds(step * reading++); }
    static inline long step = 0, reading = 0;
    canvas::DrawingClock replaced_;
};

struct SecondPerReading : FakeDrawingClock {
    SecondPerReading() : FakeDrawingClock(1) {}
    // The samples a drawing runs before its time is up.
    static constexpr int kSamplesInTime =
        int(canvas::kDrawingTimeLimit.count()) * canvas::DrawingDeadline::kSamplesBetweenReadings;
};

struct StoppedClock : FakeDrawingClock {
    StoppedClock() : FakeDrawingClock(0) {}
};

}  // namespace plotaris::testing
