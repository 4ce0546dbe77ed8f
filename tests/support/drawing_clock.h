// A clock for drawings that moves one second at each reading, so a drawing's time is up after a
// known number of samples: kDrawingTimeLimit seconds of kSamplesBetweenReadings samples.
#pragma once

#include "canvas/drawing_limits.h"

namespace plotaris::testing {

class SecondPerReading {
public:
    SecondPerReading() : replaced_(canvas::setDrawingClock(&now)) { readings = 0; }
    ~SecondPerReading() { canvas::setDrawingClock(replaced_); }
    SecondPerReading(const SecondPerReading&) = delete;
    SecondPerReading& operator=(const SecondPerReading&) = delete;

    // The samples a drawing runs before its time is up.
    static constexpr int kSamplesInTime =
        int(canvas::kDrawingTimeLimit.count()) * canvas::DrawingDeadline::kSamplesBetweenReadings;

private:
    static std::chrono::steady_clock::duration now() { return std::chrono::seconds(readings++); }
    static inline long readings = 0;
    canvas::DrawingClock replaced_;
};

}  // namespace plotaris::testing
