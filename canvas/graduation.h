// The marks and numbers of a canvas's axes. A window's canvas graduates each axis in runs of a
// counter: from 0 out to each limit by the step (both runs ending at the limit or at its whole
// part), or, on the fixed frame, once from the lower whole limit up to the upper one by 1. The
// counters' last values are what the fixed-frame windows keep.
#pragma once

#include <array>
#include <functional>

#include "canvas/graph_frame.h"
#include "canvas/radians.h"

namespace plotaris::canvas {

class PictureArea;

// Where the runs from 0 end: at the limit itself, or at its whole part (the greatest whole number
// not above it).
enum class GraduationEnd { Limit, WholePart };

struct GraduationRun {
    double start = 0, end = 0, step = 0;
};

// The runs of one axis, in the order they are drawn.
struct AxisRuns {
    std::array<GraduationRun, 2> runs{};
    int count = 0;
};

// From 0 up by the step to the upper end, then from 0 down to the lower end.
AxisRuns runsFromZero(double step, double lower, double upper, GraduationEnd end);
// From the whole part of the lower limit up to that of the upper one, by 1.
AxisRuns wholeUnitRuns(double lower, double upper);

struct Graduation {
    AxisRuns x, y;
    bool marksX = true, marksY = true, numbersX = true, numbersY = true;
    // The x axis in radians: its marks, and where the runs of its labels end.
    RadianMarks radianMarks = RadianMarks::TicksToWholePart;
    std::function<double()> radianLeftEnd, radianRightEnd;
};

// The counters as the last run of each axis left them.
struct RunExits {
    double x = 0, y = 0;
};

// Marks of x, marks of y, numbers of x, numbers of y, in the canvas's drawing colour; nothing at
// the origin. The x axis is graduated in radians when the frame says so.
RunExits drawGraduation(const GraphFrame& frame, PictureArea& picture, const Graduation& graduation);

// A graduation run: the counted loop from `start` towards `end` by `step`; the run stops where
// nothing it draws could show any more (beyond the canvas's edge), and a run too dense to show
// anything but a solid band (more than a hundred thousand steps across the canvas) is not drawn.
// Returns the counter's last value.
template <class Body>
double graduationRun(double start, double end, double step, double visibleLow, double visibleHigh, Body&& body);

// How far beyond the canvas's edges a mark or a number could still show, in user units.
struct VisibleRange {
    double low, high;
};
VisibleRange visibleX(const GraphFrame& frame);
VisibleRange visibleY(const GraphFrame& frame);

}  // namespace plotaris::canvas

#include "canvas/graduation_run.inl"
