// The controls the windows build again and again, each at its place in twips with its name,
// caption, tooltip and font: option frames, buttons, colour samples, image combos, text boxes,
// labels, check boxes and option buttons.
#pragma once

#include <QColor>
#include <QIcon>
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;
class QWidget;

namespace plotaris::platform {

class Frame;
class ImageCombo;

// The fonts of the windows' controls: plain text, button captions and frame captions.
QFont controlFont();
QFont buttonCaptionFont();
QFont frameCaptionFont();

// A frame with a caption (none when empty), in the frame caption font.
Frame* optionFrame(QWidget* parent, const char* name, const QString& caption, int left, int top, int width, int height);

// A button; with a picture, the picture stands above the caption, in the button caption font.
QToolButton* toolButton(QWidget* parent, const char* name, const QString& caption, const QString& tip, int left, int top,
                        int width, int height, const QIcon& picture = {});

// A sunken label that shows a colour as its background.
QLabel* colourSample(QWidget* parent, const char* name, const QString& tip, int left, int top, int width, int height);
void showColourSample(QLabel* sample, const QColor& colour);

// An image combo whose items are line pictures (100 x 20).
ImageCombo* imageCombo(QWidget* parent, const char* name, const QString& tip, int left, int top, int width, int height);

// A text box in the control font.
QLineEdit* textBox(QWidget* parent, const char* name, const QString& text, const QString& tip, int left, int top,
                   int width, int height);

// A label in the control font.
QLabel* label(QWidget* parent, const char* name, const QString& caption, int left, int top, int width, int height);

// Widens the label from its left edge when its text does not fit its place: the fonts that stand
// in for the ones a layout was made with may be wider.
void fitLabelToText(QLabel* label);

// A check box; its indicator always shows whole, however small its place.
QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, const QString& tip, bool ticked,
                    int left, int top, int width, int height);

// An option button; the option buttons with one parent form one group, a single one selected.
QRadioButton* optionButton(QWidget* parent, const char* name, const QString& caption, const QString& tip, bool selected,
                           int left, int top, int width, int height);

// The text colour of a control (labels and text boxes).
void setTextColour(QWidget* control, const QColor& colour);

// The background colour of a control: a frame's surface (which the labels inside show through) or
// a button's face.
void setBackColour(QWidget* control, const QColor& colour);

}  // namespace plotaris::platform
