// The frame-and-axes procedure of a graph canvas (DesenharEixos), in its steps: read and check
// the axis boxes, evaluate them, make the frame (margins, pixel units, user scale), then draw the
// axes with their arrow heads, letters, graduation marks and numbers. The boxed canvas runs them
// all; the fixed frame of the curve windows has no boxes and runs the drawing steps alone.
#pragma once

#include <QColor>

#include "canvas/graduation.h"
#include "canvas/graph_frame.h"

class QWidget;

namespace plotaris::canvas {

class PictureArea;
class PlacedPicture;
struct AxisBoxes;

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

// The boxed canvas: runs every step; false when a check or a later step failed (its message was
// shown).
bool drawAxes(GraphFrame& frame, const AxesCanvas& canvas, const AxesSettings& settings);

// The fixed frame: limits -10 to 10, black, a mark and a number at every whole unit. The
// counters' last values are kept in the frame's PontoX and PontoY.
void drawFixedAxes(GraphFrame& frame, const AxesCanvas& canvas);

// The steps.
// The limits as the leading numbers of the boxes, checked for empty boxes and then for their
// order; a failed check shows its message (titled "Funções") and gives false.
bool checkAxisBoxes(GraphFrame& frame, const AxisBoxes& boxes, QWidget* window);
// The six boxes evaluated with x = 0: the four limits go into the frame; the two steps are
// returned. Throws the evaluator's error.
struct AxisSteps {
    double x = 0, y = 0;
};
AxisSteps evaluateAxisBoxes(GraphFrame& frame, const AxisBoxes& boxes);
// Margins, the size of a pixel in user units and the canvas's user scale, from the limits.
void makeFrame(GraphFrame& frame, PictureArea& picture);
void placeArrowHeads(const GraphFrame& frame, const AxesCanvas& canvas);
void drawAxisLines(const GraphFrame& frame, PictureArea& picture);
void printAxisLetters(const GraphFrame& frame, PictureArea& picture);

}  // namespace plotaris::canvas
