#include "canvas/placed_picture.h"

#include <QPixmap>
#include <cmath>

#include "canvas/picture_area.h"

namespace plotaris::canvas {

PlacedPicture::PlacedPicture(const QImage& picture, PictureArea* area) : QLabel(area), area_(area) {
    setPixmap(QPixmap::fromImage(picture));
    setFixedSize(picture.size());
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PlacedPicture::moveTo(double x, double y) {
    const QPointF p = area_->toPixels(x, y);
    if (!std::isfinite(p.x()) || !std::isfinite(p.y()) || std::fabs(p.x()) > 1e6 || std::fabs(p.y()) > 1e6) return;
    move(int(std::floor(p.x())), int(std::floor(p.y())));
}

}  // namespace plotaris::canvas
