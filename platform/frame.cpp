#include "platform/frame.h"

#include <QMouseEvent>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

#include "platform/twips.h"

namespace plotaris::platform {

Frame::Frame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void Frame::placeTwips(int left, int top, int width, int height) {
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    setGeometry(twipsRect(left, top, width, height));
}

void Frame::setTopTwips(int top) { placeTwips(left_, top, width_, height_); }

void Frame::setCaptionColour(const QColor& colour) {
    captionColour_ = colour;
    update();
}

void Frame::paintEvent(QPaintEvent* event) {
    if (!captionColour_.isValid()) {
        QGroupBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    // Styles take the caption's colour from one or the other.
    option.textColor = captionColour_;
    option.palette.setColor(QPalette::WindowText, captionColour_);
    painter.drawComplexControl(QStyle::CC_GroupBox, option);
}

void Frame::mousePressEvent(QMouseEvent* event) {
    int button = 0;
    switch (event->button()) {
        case Qt::LeftButton: button = 1; break;
        case Qt::RightButton: button = 2; break;
        case Qt::MiddleButton: button = 4; break;
        default: break;
    }
    QGroupBox::mousePressEvent(event);
    if (button != 0) emit mouseDown(button);
}

}  // namespace plotaris::platform
