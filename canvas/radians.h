// The radian graduation of a canvas's x axis: marks every pi/2 and labels written with pi.
// Marks and labels stand at multiples of the decimal 3.14159, not of the evaluator's pi, so a
// label's place never depends on how the evaluator rounds.
#pragma once

#include <functional>

#include "canvas/graph_frame.h"

namespace plotaris::canvas {

class PictureArea;

inline constexpr double kPi = 3.14159;

// How the radian marks look and where their runs end.
enum class RadianMarks {
    TicksToWholePart,  // short vertical lines, skipping 0, up to the whole part of each limit
    DotsToLimit,       // dots 3 pixels wide on the axis, 0 included, up to each limit
};

// Draws the marks in the canvas's current colour; returns the counter as its last run left it.
double MarcarEixoRadianos(const GraphFrame& frame, PictureArea& picture, RadianMarks style = RadianMarks::TicksToWholePart);

// Prints the labels ("-p/2", "-p", "p/2", "p" always, then the multiples out to each end) in the
// symbol font, size 8. The ends of the runs to the left and to the right are read as each run
// starts; a failure in reading one (a ConversionError) stops the labels there. Returns the
// counter as the last run left it.
double NumerarEixoRadianos(const GraphFrame& frame, PictureArea& picture, const std::function<double()>& leftEnd,
                         const std::function<double()>& rightEnd);

}  // namespace plotaris::canvas
