// A small picture inside a picture area, moved to a place given in the area's user units. It
// shows on top of the area and is not part of the area's kept image.
#pragma once

#include <QImage>
#include <QLabel>

namespace plotaris::canvas {

class PictureArea;

class PlacedPicture : public QLabel {
    Q_OBJECT
public:
    PlacedPicture(const QImage& picture, PictureArea* area);

    // Puts the picture's top-left corner at (x, y) in the area's current scale. A place that
    // cannot be reached leaves the picture where it was.
    void moveTo(double x, double y);

private:
    PictureArea* area_;
};

}  // namespace plotaris::canvas
