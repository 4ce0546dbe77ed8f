// The two limits on a drawing. A drawing runs in the handler that started it and keeps its window
// waiting, so a range of more samples than any drawing could take in a reasonable time is refused
// before anything is evaluated, and a drawing still running when its time is up is stopped as a
// failed drawing, keeping the points already drawn.
#pragma once

#include <chrono>
#include <stdexcept>

namespace plotaris::canvas {

// Even the cheapest sample takes several nanoseconds: this many would take minutes.
inline constexpr double kMaxSamples = 1e10;
// What a drawing may take, at most, of the user's patience.
inline constexpr std::chrono::seconds kDrawingTimeLimit{10};

// A range of more than kMaxSamples samples: of the abscissas (a graph of y = f(x)) or of t (a
// curve). Its text is the description shown.
struct TooManySamples : std::runtime_error {
    explicit TooManySamples(bool ofAbscissas);
};

// A drawing stopped when its time was up; its text is the description shown.
struct DrawingTooLong : std::runtime_error {
    DrawingTooLong();
};

// The clock drawings are timed by: the steady clock, or one a test puts in its place. Returns the
// clock it replaces.
using DrawingClock = std::chrono::steady_clock::duration (*)();
DrawingClock setDrawingClock(DrawingClock clock);

// The end of one drawing's time, counted from its making. The sampling loop reports every sample;
// the clock is read once in so many samples, which keeps its cost out of the loop.
class DrawingDeadline {
public:
    static constexpr int kSamplesBetweenReadings = 1024;

    DrawingDeadline();
    // Throws DrawingTooLong when the time is up.
    [[gnu::always_inline]] void sampleDone() {
        if (--untilReading_ == 0) readClock();
    }

private:
    void readClock();
    int untilReading_ = kSamplesBetweenReadings;
    std::chrono::steady_clock::duration end_;
};

}  // namespace plotaris::canvas
