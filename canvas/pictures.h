// The small pictures of the graph canvas and its options, drawn here rather than loaded.
#pragma once

#include <QIcon>
#include <QImage>

namespace plotaris::canvas {

// The ten 100 x 20 line pictures of the line lists: 1 to 5 one-pixel lines solid, dashed, dotted,
// dash-dot and dash-dot-dot; 6 to 10 solid lines 1 to 5 pixels thick.
QImage linePicture(int index);

// The arrow heads of the axes, black on a transparent 16 x 16 icon, drawn from its top-left
// corner: ">" 5 wide and 9 high with its tip 4 pixels right of and below the corner, and "^"
// 9 wide and 5 high with its tip 4 pixels right of the corner.
QImage arrowHeadRight();
QImage arrowHeadUp();

// The pictures above the captions of the canvas buttons.
enum class ButtonPicture { Draw, Erase, Save, Copy, Radians, GraphColour, BackColour };
QIcon buttonPicture(ButtonPicture which);

}  // namespace plotaris::canvas
