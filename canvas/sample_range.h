// Where the x of a drawing of y = f(x) runs: from its start by its step while it has not passed
// its end. A range of a reasonable number of samples runs whole, as typed; a longer one is kept to
// the values whose points can land on the canvas.
#pragma once

namespace plotaris::canvas {

class PictureArea;

// About six hundred times the samples of a default comparison graph: beyond this, time goes to
// points that cannot show.
inline constexpr double kWholeRangeSamples = 1e7;

struct SampleRange {
    double start = 0, end = 0;
};

// The range as it is when it takes at most kWholeRangeSamples; otherwise the part of it that can
// show on the picture in its current scale, the reach of the widest dot beyond each edge included:
// a start left of the canvas goes on from the first of its steps that reaches it, an end right of
// it stops at its right edge.
SampleRange drawableRange(double start, double end, double step, const PictureArea& picture);

}  // namespace plotaris::canvas
