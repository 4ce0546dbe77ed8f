#include "canvas/canvas_options.h"

#include <QLabel>
#include <QScrollBar>

#include "canvas/pictures.h"
#include "platform/common_dialog.h"
#include "platform/controls.h"
#include "platform/image_combo.h"

namespace plotaris::canvas {

void chooseColour(platform::CommonDialog& holder, QLabel* sample, QWidget* owner) {
    holder.ShowColor(owner);
    if (sample) platform::showColourSample(sample, holder.Color);
}

void fillLineWidthList(platform::ImageCombo* combo) {
    for (int image = 6; image <= 10; ++image) combo->addPicture(linePicture(image));
    combo->selectIndex(1);
}

void fillLineStyleList(platform::ImageCombo* combo, int selected) {
    for (int image = 1; image <= 5; ++image) combo->addPicture(linePicture(image));
    combo->selectIndex(selected);
}

void setUpSizeSlider(QScrollBar* slider) {
    slider->setRange(3000, 9465);
    slider->setSingleStep(10);
    slider->setPageStep(100);
    slider->setValue(9465);
    slider->setTracking(false);
}

int movedFrameTop(int top, int button) {
    if (button == 1) {
        if (top == 5160) return 2580;
        if (top == 2580) return 0;
    } else if (button == 2) {
        if (top == 0) return 2580;
        if (top == 2580) return 5160;
    }
    return top;
}

}  // namespace plotaris::canvas
