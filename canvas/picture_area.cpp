#include "canvas/picture_area.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>
#include <cfloat>
#include <cmath>

#include "canvas/line_clip.h"
#include "platform/fonts.h"
#include "platform/twips.h"

namespace plotaris::canvas {

namespace {

// How often the live twin shows its new points while a drawing runs.
constexpr qint64 kLiveRepaintMs = 40;
// Lines and texts are cut to this many pixels around the area: nothing farther can show.
constexpr double kClipMargin = 512;

// The value as single precision, or false when it does not fit.
bool toSingle(double value, double& single) {
    if (!(std::fabs(value) <= double(FLT_MAX))) return false;
    single = double(static_cast<float>(value));
    return true;
}

Qt::PenStyle penStyle(DrawStyle style, int width) {
    if (width != 1) return Qt::SolidLine;
    switch (style) {
        case DrawStyle::Dash: return Qt::DashLine;
        case DrawStyle::Dot: return Qt::DotLine;
        case DrawStyle::DashDot: return Qt::DashDotLine;
        case DrawStyle::DashDotDot: return Qt::DashDotDotLine;
        case DrawStyle::Solid: break;
    }
    return Qt::SolidLine;
}

}  // namespace

PictureArea::PictureArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void PictureArea::placeTwips(double left, double top, double width, double height) {
    // A size is a size in twips: a change smaller than a pixel is a change all the same.
    const bool twipsChanged = width != widthTwips_ || height != heightTwips_;
    widthTwips_ = width;
    heightTwips_ = height;
    const int raisedBefore = resizesRaised_;
    setGeometry(platform::twipsRect(left, top, width, height));  // a shown area raises it from here
    const bool pixelsChanged = size() != image_.size();
    if (pixelsChanged) resizeImage(size());
    if ((twipsChanged || pixelsChanged) && resizesRaised_ == raisedBefore) raiseResized();
}

void PictureArea::setWidthTwips(double width) {
    placeTwips(platform::pixelsToTwips(x()), platform::pixelsToTwips(y()), width, heightTwips_);
}

void PictureArea::setHeightTwips(double height) {
    placeTwips(platform::pixelsToTwips(x()), platform::pixelsToTwips(y()), widthTwips_, height);
}

void PictureArea::resizeImage(QSize size) {
    QImage resized(size.expandedTo(QSize(0, 0)), QImage::Format_RGB32);
    resized.fill(backColor_);
    pointsWritten_.clear();
    if (!image_.isNull()) {
        QPainter painter(&resized);
        painter.drawImage(0, 0, image_);
        fullFillNeeded_ = true;
    }
    image_ = resized;
    pixels_ = nullptr;
    width_ = image_.width();
    height_ = image_.height();
    if (pixelScale_) setPixelScale();
    else updateFactors();
    update();
}

void PictureArea::setPixelScale() {
    pixelScale_ = true;
    scaleLeft_ = 0;
    scaleTop_ = 0;
    scaleRight_ = image_.width();
    scaleBottom_ = image_.height();
    updateFactors();
}

void PictureArea::refreshPixels() {
    pixels_ = reinterpret_cast<QRgb*>(image_.bits());
    forgetLastPixel();
    stride_ = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
}

void PictureArea::forgetLastPixel() {
    lastIndex_ = -1;
    sameXLow_ = sameXHigh_ = sameYLow_ = sameYHigh_ = 0;
}

void PictureArea::rememberPixelBox(int column, int row) {
    // The cell's edges in user units, narrowed by far more than the rounding to single precision
    // and the arithmetic of point() can move a value, so that every point strictly inside the box
    // lands on this cell. A box that narrows to nothing is empty.
    const auto narrowedCell = [](double origin, double perPixel, int cell, double& low, double& high) {
        double a = origin + cell * perPixel, b = origin + (cell + 1) * perPixel;
        if (a > b) std::swap(a, b);
        const double margin = (std::fabs(a) + std::fabs(b) + std::fabs(origin)) * 0x1p-22 + 0x1p-30 * std::fabs(perPixel);
        low = a + margin;
        high = b - margin;
    };
    narrowedCell(scaleLeft_, unitsPerPixelX_, column, sameXLow_, sameXHigh_);
    narrowedCell(scaleTop_, unitsPerPixelY_, row, sameYLow_, sameYHigh_);
}

void PictureArea::updateFactors() {
    pixelsPerUnitX_ = image_.width() / (scaleRight_ - scaleLeft_);
    pixelsPerUnitY_ = image_.height() / (scaleBottom_ - scaleTop_);
    unitsPerPixelX_ = (scaleRight_ - scaleLeft_) / image_.width();
    unitsPerPixelY_ = (scaleBottom_ - scaleTop_) / image_.height();
    forgetLastPixel();
}

void PictureArea::setUserScale(double x1, double y1, double x2, double y2) {
    double l, t, r, b;
    if (!toSingle(x1, l) || !toSingle(y1, t) || !toSingle(x2, r) || !toSingle(y2, b))
        throw PictureError("A escala da janela de desenho tem um valor fora dos limites.");
    if (l == r || t == b || !std::isfinite(r - l) || !std::isfinite(b - t))
        throw PictureError("A escala da janela de desenho não pode ter largura ou altura nula.");
    pixelScale_ = false;
    scaleLeft_ = l;
    scaleTop_ = t;
    scaleRight_ = r;
    scaleBottom_ = b;
    updateFactors();
}

double PictureArea::scaleWidth() const { return scaleRight_ - scaleLeft_; }
double PictureArea::scaleHeight() const { return scaleBottom_ - scaleTop_; }

QPointF PictureArea::toPixels(double x, double y) const {
    return {(x - scaleLeft_) * pixelsPerUnitX_, (y - scaleTop_) * pixelsPerUnitY_};
}

QPointF PictureArea::toUser(QPointF pixels) const {
    return {scaleLeft_ + pixels.x() * scaleWidth() / std::max(1, image_.width()),
            scaleTop_ + pixels.y() * scaleHeight() / std::max(1, image_.height())};
}

bool PictureArea::toPixelsChecked(double x, double y, double& px, double& py) const {
    double sx, sy;
    if (!toSingle(x, sx) || !toSingle(y, sy) || image_.isNull()) return false;
    const QPointF p = toPixels(sx, sy);
    px = p.x();
    py = p.y();
    return std::isfinite(px) && std::isfinite(py);
}

void PictureArea::clear() {
    pixels_ = nullptr;
    image_.fill(backColor_);
    pointsWritten_.clear();
    fullFillNeeded_ = false;
    currentX_ = scaleLeft_;
    currentY_ = scaleTop_;
    drawn();
}

void PictureArea::setBackColor(const QColor& colour) {
    backColor_ = colour;
    clear();
}

void PictureArea::setDrawWidth(int pixels) {
    drawWidth_ = std::max(1, pixels);
    forgetLastPixel();
}

void PictureArea::plot(double x, double y, QRgb colour, PictureArea* twin) {
    if (!(std::fabs(x) <= double(FLT_MAX) && std::fabs(y) <= double(FLT_MAX))) return;  // NaN fails too
    const double px = (double(static_cast<float>(x)) - scaleLeft_) * pixelsPerUnitX_;
    const double py = (double(static_cast<float>(y)) - scaleTop_) * pixelsPerUnitY_;
    if (drawWidth_ != 1 || !(px >= 0 && px < width_ && py >= 0 && py < height_)) {
        dot(px, py, colour);
        if (twin) twin->dot(px, py, colour);
        return;
    }
    if (!pixels_) refreshPixels();
    const int column = static_cast<int>(px), row = static_cast<int>(py);
    const qsizetype index = row * stride_ + column;
    if (index == lastIndex_ && colour == lastColour_) return;
    const QRgb pixel = 0xFF000000u | colour;
    pixels_[index] = pixel;
    notePointWritten(index);
    lastIndex_ = index;
    lastColour_ = colour;
    rememberPixelBox(column, row);
    drawn();
    if (twin) twin->copyPixel(index, pixel);
}

bool PictureArea::mirrorPointsTo(PictureArea& twin) {
    if (twin.width_ != width_ || twin.height_ != height_ || twin.image_.bytesPerLine() != image_.bytesPerLine() ||
        twin.scaleLeft_ != scaleLeft_ || twin.scaleTop_ != scaleTop_ || twin.pixelsPerUnitX_ != pixelsPerUnitX_ ||
        twin.pixelsPerUnitY_ != pixelsPerUnitY_ || twin.drawWidth_ != drawWidth_)
        return false;
    // The pixel this area wrote last is not on the twin: the next point must not be taken for it.
    forgetLastPixel();
    twin.forgetLastPixel();
    return true;
}

void PictureArea::copyPixel(qsizetype index, QRgb pixel) {
    if (!pixels_) refreshPixels();
    pixels_[index] = pixel;
    notePointWritten(index);
    drawn();
}

void PictureArea::dot(double px, double py, QRgb colour) {
    const int w = width_, h = height_, dot = drawWidth_;
    if (!(px > -dot - 1.0 && px < w + dot + 1.0 && py > -dot - 1.0 && py < h + dot + 1.0)) return;  // NaN too
    int cx = static_cast<int>(px), cy = static_cast<int>(py);  // in range: the floor, without a call
    cx -= px < cx;
    cy -= py < cy;
    const QRgb pixel = 0xFF000000u | colour;
    forgetLastPixel();
    // A round dot: a square of the width with its corners cut from 4 pixels on.
    const int from = -(dot - 1) / 2, to = dot / 2;
    for (int dy = from; dy <= to; ++dy) {
        const int row = cy + dy;
        if (row < 0 || row >= h) continue;
        if (!pixels_) refreshPixels();
        QRgb* line = pixels_ + row * stride_;
        for (int dx = from; dx <= to; ++dx) {
            if (dot >= 4 && (dx == from || dx == to) && (dy == from || dy == to)) continue;
            const int column = cx + dx;
            if (column >= 0 && column < w) {
                line[column] = pixel;
                notePointWritten(row * stride_ + column);
            }
        }
    }
    drawn();
}

void PictureArea::line(double x1, double y1, double x2, double y2) {
    double sx1, sy1, sx2, sy2;
    if (!toSingle(x1, sx1) || !toSingle(y1, sy1) || !toSingle(x2, sx2) || !toSingle(y2, sy2) || image_.isNull())
        return;
    // A line whose ends fall on one pixel has no length and draws nothing, at every width (the
    // painter would leave a dot at width 1 only).
    const QPointF p1 = toPixels(sx1, sy1), p2 = toPixels(sx2, sy2);
    if (std::floor(p1.x()) == std::floor(p2.x()) && std::floor(p1.y()) == std::floor(p2.y())) return;
    const QRectF bounds(-kClipMargin, -kClipMargin, image_.width() + 2 * kClipMargin,
                        image_.height() + 2 * kClipMargin);
    QPointF start, end;
    if (!clipLine(sx1, sy1, sx2, sy2, {scaleLeft_, scaleTop_, pixelsPerUnitX_, pixelsPerUnitY_}, bounds, start, end))
        return;
    paintingOnImage();
    QPainter painter(&image_);
    QPen pen(foreColor_, drawWidth_, penStyle(drawStyle_, drawWidth_), Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.drawLine(QPoint(int(std::floor(start.x())), int(std::floor(start.y()))),
                     QPoint(int(std::floor(end.x())), int(std::floor(end.y()))));
    drawn();
}

void PictureArea::circle(double x, double y, double r) {
    double px, py, radius;
    if (!toPixelsChecked(x, y, px, py) || !toSingle(r, radius)) return;
    radius = std::fabs(radius * image_.width() / scaleWidth());
    if (!std::isfinite(radius) || px < -radius - kClipMargin || py < -radius - kClipMargin ||
        px > image_.width() + radius + kClipMargin || py > image_.height() + radius + kClipMargin ||
        radius > 1e6)
        return;
    paintingOnImage();
    QPainter painter(&image_);
    painter.setPen(QPen(foreColor_, drawWidth_, penStyle(drawStyle_, drawWidth_)));
    if (fillStyle_ == FillStyle::Solid) painter.setBrush(fillColor_);
    painter.drawEllipse(QPointF(std::floor(px) + 0.5, std::floor(py) + 0.5), radius, radius);
    drawn();
}

void PictureArea::setCurrentPosition(double x, double y) {
    currentX_ = x;
    currentY_ = y;
}

void PictureArea::print(const QString& text) {
    const QFont font = platform::windowFont(fontName_, fontSize_, fontBold_);
    const QFontMetrics metrics(font);
    double px, py;
    if (toPixelsChecked(currentX_, currentY_, px, py) && px > -kClipMargin && py > -kClipMargin &&
        px < image_.width() + kClipMargin && py < image_.height() + kClipMargin) {
        paintingOnImage();
        QPainter painter(&image_);
        painter.setFont(font);
        painter.setPen(foreColor_);
        const QString shown = platform::isSymbolFont(fontName_) ? platform::symbolText(text) : text;
        painter.drawText(QPointF(std::floor(px), std::floor(py) + metrics.ascent()), shown);
        drawn();
        const QPointF next = toUser(QPointF(0, py + metrics.height()));
        currentY_ = next.y();
    }
    currentX_ = scaleLeft_;
}

void PictureArea::scheduleUpdate() {
    updatePending_ = true;
    update();
}

void PictureArea::repaintIfDue() {
    if (!isVisible()) return;
    if (sinceRepaint_.isValid() && sinceRepaint_.elapsed() < kLiveRepaintMs) return;
    repaint();
}

void PictureArea::paintEvent(QPaintEvent*) {
    updatePending_ = false;
    sinceRepaint_.start();
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void PictureArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (event->size() != image_.size()) {
        resizeImage(event->size());
        raiseResized();
    }
}

void PictureArea::raiseResized() {
    ++resizesRaised_;
    emit resized();
}

void PictureArea::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Shown empty; the first points show after one period, so a short drawing costs no repaint.
    sinceRepaint_.start();
}

void PictureArea::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    // Without a kept image, what was shown is lost once the area is out of view.
    if (!keptImage_) eraseToBackground();
}

void PictureArea::eraseToBackground() {
    if (fullFillNeeded_) {
        pixels_ = nullptr;
        image_.fill(backColor_);
    } else if (!pointsWritten_.empty()) {
        if (!pixels_) refreshPixels();
        const QRgb background = backColor_.rgb();
        for (const qsizetype index : pointsWritten_) pixels_[index] = background;
        forgetLastPixel();
    }
    pointsWritten_.clear();
    fullFillNeeded_ = false;
}

void PictureArea::mouseMoveEvent(QMouseEvent* event) {
    const QPointF user = toUser(event->position());
    emit mouseMoved(user.x(), user.y());
    QWidget::mouseMoveEvent(event);
}

}  // namespace plotaris::canvas
