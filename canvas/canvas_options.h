// The options around a graph canvas that every window with one shares: colour roles with their
// sample labels, the line lists, the size sliders and the option frames that mouse clicks shift.
#pragma once

#include <QColor>

class QLabel;
class QScrollBar;
class QWidget;

namespace plotaris::platform {
class CommonDialog;
class ImageCombo;
}  // namespace plotaris::platform

namespace plotaris::canvas {

// Opens the holder's colour dialog; the sample (when there is one) then shows the holder's colour,
// the chosen one or, after a cancel, the one it kept.
void chooseColour(platform::CommonDialog& holder, QLabel* sample, QWidget* owner);

// Five items with the line-width pictures (1 to 5 pixels), item 1 selected.
void fillLineWidthList(platform::ImageCombo* combo);
// Five items with the line-style pictures (solid, dash, dot, dash-dot, dash-dot-dot), item
// `selected` selected.
void fillLineStyleList(platform::ImageCombo* combo, int selected);

// A scroll bar used as a size control: 3000 to 9465 twips, small change 10, large change 100, at
// 9465. It reports a change when the user lets go of its thumb, not while dragging.
void setUpSizeSlider(QScrollBar* slider);

// Where a click moves an option frame among its three places (0, 2580, 5160 twips): the left
// button (1) one place up, the right button (2) one place down; anything else leaves it.
int movedFrameTop(int top, int button);

}  // namespace plotaris::canvas
