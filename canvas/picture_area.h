// The picture area every canvas is drawn on: an image of its own size, a user scale, the pen,
// fill and font settings, and drawing in user units. Coordinates reach the drawing operations as
// single-precision values; what does not fit is not drawn.
//
// With the kept image on, drawings persist and show when the handler that drew them ends. With it
// off (the live twin of a canvas), drawings show while a drawing runs: the area repaints itself at
// a steady rate from inside the drawing operations, without handling any other event, and what it
// showed is gone once it is hidden.
#pragma once

#include <QColor>
#include <QElapsedTimer>
#include <QImage>
#include <QString>
#include <QWidget>
#include <stdexcept>
#include <vector>

#include "platform/mouse_pointer.h"

namespace plotaris::canvas {

// A failure of the picture area itself (an impossible scale); its text is the description shown.
struct PictureError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

enum class DrawStyle { Solid = 0, Dash = 1, Dot = 2, DashDot = 3, DashDotDot = 4 };
enum class FillStyle { Solid, Transparent };

class PictureArea : public QWidget {
    Q_OBJECT
public:
    explicit PictureArea(QWidget* parent = nullptr);

    // Place and size in twips (15 to a pixel). A change of size, even one smaller than a pixel,
    // raises `resized` before returning; the image follows the size in pixels.
    void placeTwips(double left, double top, double width, double height);
    void setWidthTwips(double width);
    void setHeightTwips(double height);
    int pixelWidth() const { return width_; }
    int pixelHeight() const { return height_; }

    void setKeptImage(bool kept) {
        if (!kept && keptImage_) fullFillNeeded_ = true;  // what it holds was not noted
        keptImage_ = kept;
    }
    bool keptImage() const { return keptImage_; }
    // What is saved and copied: background and drawings, without the small pictures on top.
    // The caller may keep a copy: the next point then writes into an image of the area's own.
    const QImage& image() const {
        pixels_ = nullptr;
        return image_;
    }

    // Scale mode pixels: x and y count pixels from the top-left corner.
    void setPixelScale();
    // User scale: (x1, y1) is the top-left corner, (x2, y2) the bottom-right one. Throws
    // PictureError when a value does not fit or the width or height would be zero.
    void setUserScale(double x1, double y1, double x2, double y2);
    double scaleLeft() const { return scaleLeft_; }
    double scaleTop() const { return scaleTop_; }
    double scaleWidth() const;
    double scaleHeight() const;
    // A point in user units as a position in pixels (not rounded).
    QPointF toPixels(double x, double y) const;
    QPointF toUser(QPointF pixels) const;

    // Clears to the background colour (also the kept image); the text position goes back to the
    // top-left corner.
    void clear();
    // Repaints the whole area in that colour, erasing what was drawn.
    void setBackColor(const QColor& colour);
    QColor backColor() const { return backColor_; }

    void setForeColor(const QColor& colour) { foreColor_ = colour; }
    QColor foreColor() const { return foreColor_; }
    void setDrawWidth(int pixels);
    int drawWidth() const { return drawWidth_; }
    // Dashed styles show only at width 1.
    void setDrawStyle(DrawStyle style) { drawStyle_ = style; }
    DrawStyle drawStyle() const { return drawStyle_; }
    void setFillStyle(FillStyle style) { fillStyle_ = style; }
    void setFillColor(const QColor& colour) { fillColor_ = colour; }

    // A dot as wide as the line width, in the colour given. The hot path of every drawing: no
    // painter, a one-pixel dot is written into the image itself. Neighbouring samples mostly fall
    // on the pixel just written, and inside that pixel's box a point costs four comparisons.
    //
    // With a twin given by mirrorPointsTo, each pixel written is written on the twin too.
    [[gnu::always_inline]] void point(double x, double y, QRgb colour, PictureArea* twin = nullptr) {
        if (x > sameXLow_ && x < sameXHigh_ && y > sameYLow_ && y < sameYHigh_ && colour == lastColour_ && pixels_)
            return;
        plot(x, y, colour, twin);
    }
    // Readies a run of points drawn on this area and on `twin` at once. The twin would place every
    // point on the very same pixels when it has the same size, scale and line width; false when
    // it has not, and its points are then to be given to it apart. Holds until either area draws
    // anything else.
    bool mirrorPointsTo(PictureArea& twin);
    // A line in the drawing colour, width and style; nothing when its ends fall on one pixel.
    void line(double x1, double y1, double x2, double y2);
    // A circle of radius r (in units of the x scale): outline in the drawing colour, inside per
    // fill style and colour.
    void circle(double x, double y, double r);

    // Text: the current position is the top-left corner of the next text.
    void setCurrentPosition(double x, double y);
    double currentX() const { return currentX_; }
    double currentY() const { return currentY_; }
    void setFontName(const QString& name) { fontName_ = name; }
    void setFontSize(double points) { fontSize_ = points; }
    void setFontBold(bool bold) { fontBold_ = bold; }
    QString fontName() const { return fontName_; }
    double fontSize() const { return fontSize_; }
    bool fontBold() const { return fontBold_; }
    // Prints the text at the current position, which then moves to the start of the next line.
    void print(const QString& text);

    void setMousePointer(platform::MousePointer shape) { platform::setMousePointer(this, shape); }

signals:
    void resized();
    // The pointer's position in the current scale.
    void mouseMoved(double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void resizeImage(QSize size);
    void raiseResized();
    // Refreshes the pixels-per-unit factors after a change of scale or size.
    void updateFactors();
    // After each drawing operation: schedules the repaint, and for an area without a kept image
    // repaints now when the last repaint is old enough.
    void drawn() {
        if (!updatePending_) scheduleUpdate();
        if (!keptImage_ && ++drawnSinceCheck_ >= kOperationsBetweenClockChecks) {
            drawnSinceCheck_ = 0;
            repaintIfDue();
        }
    }
    void scheduleUpdate();
    // A point outside the box of the last pixel written.
    void plot(double x, double y, QRgb colour, PictureArea* twin);
    // The twin's copy of a one-pixel point.
    void copyPixel(qsizetype index, QRgb pixel);
    // A dot wider than a pixel, or partly outside, at a place in pixels.
    void dot(double px, double py, QRgb colour);
    static constexpr int kOperationsBetweenClockChecks = 1024;
    void repaintIfDue();
    bool toPixelsChecked(double x, double y, double& px, double& py) const;

    // Points write through pixels_, which is dropped whenever the image may have been shared,
    // replaced or painted on, and taken again (detaching the image) before the next point.
    void refreshPixels();
    QImage image_;
    int width_ = 0, height_ = 0;  // of the image, read at every point
    double widthTwips_ = 0, heightTwips_ = 0;  // as last placed
    int resizesRaised_ = 0;
    mutable QRgb* pixels_ = nullptr;
    qsizetype stride_ = 0;  // in pixels
    // The pixel the last one-pixel point wrote, while nothing else has written since, and the box
    // of user units whose points surely land on it (empty when there is none).
    qsizetype lastIndex_ = -1;
    QRgb lastColour_ = 0;
    double sameXLow_ = 0, sameXHigh_ = 0, sameYLow_ = 0, sameYHigh_ = 0;
    void rememberPixelBox(int column, int row);
    void forgetLastPixel();
    // Without a kept image, hiding the area erases it. Points are most of what such an area
    // receives, so it keeps the places they wrote since it was last all background, and hiding it
    // puts back only those; anything else drawn on it, or too many points, calls for a full fill.
    std::vector<qsizetype> pointsWritten_;
    bool fullFillNeeded_ = false;
    void notePointWritten(qsizetype index) {
        if (keptImage_ || fullFillNeeded_) return;
        if (pointsWritten_.size() >= maxPointsKept()) fullFillNeeded_ = true;
        else pointsWritten_.push_back(index);
    }
    std::size_t maxPointsKept() const { return std::size_t(width_) * std::size_t(height_) / 16 + 64; }
    // Before a painter draws on the image.
    void paintingOnImage() {
        pixels_ = nullptr;
        fullFillNeeded_ = true;
    }
    void eraseToBackground();
    bool keptImage_ = true;
    bool pixelScale_ = true;
    double scaleLeft_ = 0, scaleTop_ = 0, scaleRight_ = 0, scaleBottom_ = 0;
    double pixelsPerUnitX_ = 1, pixelsPerUnitY_ = 1;
    double unitsPerPixelX_ = 1, unitsPerPixelY_ = 1;  // the width and height of a pixel
    QColor backColor_ = Qt::white;
    QColor foreColor_ = Qt::black;
    QColor fillColor_ = Qt::black;
    int drawWidth_ = 1;
    DrawStyle drawStyle_ = DrawStyle::Solid;
    FillStyle fillStyle_ = FillStyle::Transparent;
    double currentX_ = 0, currentY_ = 0;
    QString fontName_ = QStringLiteral("MS Sans Serif");
    double fontSize_ = 8.25;
    bool fontBold_ = false;

    bool updatePending_ = false;
    int drawnSinceCheck_ = 0;
    QElapsedTimer sinceRepaint_;
};

}  // namespace plotaris::canvas
