// A combo box whose items are pictures without text, numbered from 1, whose list a button can
// drop open.
#pragma once

#include <QComboBox>
#include <QImage>

namespace plotaris::platform {

class ImageCombo : public QComboBox {
    Q_OBJECT
public:
    explicit ImageCombo(QWidget* parent = nullptr);

    void addPicture(const QImage& picture);
    // The index (1 ..) of the selected item, 0 when none is.
    int selectedIndex() const { return currentIndex() + 1; }
    void selectIndex(int index) { setCurrentIndex(index - 1); }
    // Drops the list open, as a click on the arrow would.
    void dropDown() { showPopup(); }
};

}  // namespace plotaris::platform
