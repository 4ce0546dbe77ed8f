// The part of a function's sampling run that can show on a picture. A run samples x = start,
// start + step, ... while x has not passed the end; a point whose x lands beyond the picture's
// edges (by more than a dot) is never drawn, so evaluating it is wasted, and limits far outside
// the picture ("-1e300", "2^60") would keep a drawing going for ages. The run is cut to its own
// samples between the edges, every one of which is drawn as before.
#pragma once

namespace plotaris::canvas {

class PictureArea;

struct SampleRun {
    double start = 0, end = 0, step = 0;
};

// At most this many samples fall in one pixel column of the picture; a denser run (limits
// thousands of units wide at the finest quality) keeps every n-th of its samples instead, as many
// as could never leave a gap in the picture of a curve that crosses the column.
inline constexpr double kMaxSamplesPerColumn = 16384;

// The run of a function y = f(x) cut to the picture's x range in its current scale and the
// picture's dot width. A run that cannot be cut (no positive step, an infinite start) is
// returned as it is.
SampleRun visiblePart(SampleRun run, const PictureArea& picture);

}  // namespace plotaris::canvas
