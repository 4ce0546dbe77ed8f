// Where the x of a comparison drawing runs: from the limits typed in the panel, in steps of a
// thousandth, kept to the values whose points can land on the canvas.
#pragma once

#include <stdexcept>

namespace plotaris::canvas {
class PictureArea;
}

namespace plotaris::comparison {

inline constexpr double kStep = 0.001;
// About six hundred times the samples of the default panel: half a second of drawing or so.
inline constexpr double kMaxSamples = 1e7;

// A range that would take more than kMaxSamples; its text is the description shown.
struct TooManySamples : std::runtime_error {
    TooManySamples();
};

struct SampleRange {
    double start = 0, end = 0;
};

// The part of start .. end that can show on the picture in its current scale, the reach of the
// widest dot beyond each edge included: a start left of the canvas goes on from the first of its
// steps that reaches it, an end right of it stops at its right edge; inside the canvas nothing
// changes. Throws TooManySamples when what is left is too long to draw.
SampleRange drawableRange(double start, double end, const canvas::PictureArea& picture);

}  // namespace plotaris::comparison
