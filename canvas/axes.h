// The frame-and-axes procedure of a graph canvas (DesenharEixos): reads and checks the axis
// options, evaluates them, sets the frame and the user scale, and draws the axes with their arrow
// heads, letters, graduation marks and numbers. Every window with a graph canvas runs it with its
// own controls; the settings below carry the ways the windows differ.
#pragma once

#include <QColor>

#include "canvas/graph_frame.h"

class QWidget;

namespace plotaris::canvas {

class PictureArea;
class PlacedPicture;
struct AxisBoxes;

// Where the unit graduation runs end: at the limit itself, or at its whole part (the greatest
// whole number not above it).
enum class GraduationEnd { Limit, WholePart };

// What happens to the arrow heads when the procedure fails after its checks.
enum class ArrowsAfterFailure { ShowXHideY, HideBoth };

struct AxesCanvas {
    PictureArea* picture = nullptr;
    PlacedPicture* arrowX = nullptr;  // ">" at the right end of the x axis
    PlacedPicture* arrowY = nullptr;  // "^" at the top of the y axis
};

struct AxesSettings {
    const AxisBoxes* boxes = nullptr;
    QColor axesColour;
    int axesWidth = 1;
    GraduationEnd graduationEnd = GraduationEnd::Limit;
    ArrowsAfterFailure afterFailure = ArrowsAfterFailure::ShowXHideY;
    QWidget* window = nullptr;  // owns the messages; its pointer returns to default after a failure
};

// Runs the procedure; false when a check or a later step failed (its message was shown).
bool drawAxes(GraphFrame& frame, const AxesCanvas& canvas, const AxesSettings& settings);

// The graduation pieces, for the variants of the canvas that draw them on their own.
void placeArrowHeads(const GraphFrame& frame, const AxesCanvas& canvas);
void drawAxisLines(const GraphFrame& frame, PictureArea& picture);
void printAxisLetters(const GraphFrame& frame, PictureArea& picture);

// A graduation run: the counted loop from 0 (or `start`) towards `end` by `step`, skipping no
// value; the run stops where nothing it draws could show any more (beyond the canvas's edge), and
// a run too dense to show anything but a solid band (more than a hundred thousand steps across
// the canvas) is not drawn.
template <class Body>
void graduationRun(double start, double end, double step, double visibleLow, double visibleHigh, Body&& body);

}  // namespace plotaris::canvas

#include "canvas/graduation_run.inl"
