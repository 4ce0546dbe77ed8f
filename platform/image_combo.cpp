#include "platform/image_combo.h"

#include <QPixmap>

namespace plotaris::platform {

ImageCombo::ImageCombo(QWidget* parent) : QComboBox(parent) { setEditable(false); }

void ImageCombo::addPicture(const QImage& picture) {
    setIconSize(picture.size());
    addItem(QIcon(QPixmap::fromImage(picture)), QString());
}

}  // namespace plotaris::platform
