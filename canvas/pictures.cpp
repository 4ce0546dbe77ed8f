#include "canvas/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>

#include "platform/fonts.h"

namespace plotaris::canvas {

QImage linePicture(int index) {
    QImage picture(100, 20, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    if (index >= 1 && index <= 5) {
        static const Qt::PenStyle styles[5] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                               Qt::DashDotDotLine};
        QPen pen(Qt::black, 1, styles[index - 1]);
        pen.setDashPattern(index == 1 ? QVector<qreal>{} : pen.dashPattern());
        painter.setPen(pen);
        painter.drawLine(0, 10, 99, 10);
    } else if (index >= 6 && index <= 10) {
        const int thickness = index - 5;
        painter.fillRect(0, 10 - thickness / 2, 100, thickness, Qt::black);
    }
    return picture;
}

QImage arrowHeadRight() {
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int column = 0; column < 5; ++column)
        for (int row = column; row <= 8 - column; ++row) icon.setPixel(column, row, qRgb(0, 0, 0));
    return icon;
}

QImage arrowHeadUp() {
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    for (int row = 0; row < 5; ++row)
        for (int column = 4 - row; column <= 4 + row; ++column) icon.setPixel(column, row, qRgb(0, 0, 0));
    return icon;
}

namespace {

void drawGraphPicture(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(2, 14, 22, 14);
    p.drawLine(12, 3, 12, 22);
    QPainterPath curve;
    for (int x = 2; x <= 22; ++x) {
        const double y = 14 - 7 * std::sin((x - 2) / 20.0 * 2 * M_PI);
        if (x == 2) curve.moveTo(x, y);
        else curve.lineTo(x, y);
    }
    p.setPen(QPen(QColor(0, 0, 255), 2));
    p.drawPath(curve);
}

void drawEraserPicture(QPainter& p) {
    p.setPen(QPen(QColor(0, 0, 255), 1, Qt::DotLine));
    p.drawLine(2, 20, 22, 6);
    p.translate(12, 12);
    p.rotate(-35);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(255, 160, 180));
    p.drawRect(-9, -4, 10, 8);
    p.setBrush(Qt::white);
    p.drawRect(1, -4, 8, 8);
}

void drawDiskPicture(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(40, 60, 160));
    p.drawRect(3, 3, 18, 18);
    p.setBrush(Qt::white);
    p.drawRect(6, 3, 12, 7);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(7, 14, 10, 7);
    p.fillRect(14, 4, 2, 5, QColor(40, 60, 160));
}

void drawPagesPicture(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(3, 2, 12, 15);
    p.drawRect(9, 7, 12, 15);
    p.setPen(QPen(QColor(0, 0, 255), 1));
    for (int y = 11; y <= 19; y += 3) p.drawLine(11, y, 19, y);
}

void drawPiPicture(QPainter& p) {
    p.setPen(QColor(0, 0, 160));
    p.setFont(platform::windowFont(QStringLiteral("Times New Roman"), 15, true));
    p.drawText(QRect(0, 0, 24, 24), Qt::AlignCenter, QStringLiteral("π"));
}

// Three colour drops beside a stroke of the first.
void drawPaintPicture(QPainter& p) {
    const QColor drops[3] = {QColor(255, 0, 0), QColor(0, 160, 0), QColor(0, 0, 255)};
    p.setPen(QPen(Qt::black, 1));
    for (int i = 0; i < 3; ++i) {
        p.setBrush(drops[i]);
        p.drawEllipse(QRectF(2 + 7 * i, 3, 6, 6));
    }
    QPainterPath stroke;
    stroke.moveTo(3, 20);
    stroke.cubicTo(8, 11, 14, 24, 21, 14);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(drops[0], 2));
    p.drawPath(stroke);
}

// A framed sheet half filled with colour.
void drawBackgroundPicture(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(3, 3, 18, 18);
    p.fillRect(QRectF(4, 12, 17, 9), QColor(255, 220, 0));
    p.setPen(QPen(QColor(0, 0, 255), 1));
    p.drawLine(12, 5, 12, 19);
    p.drawLine(5, 12, 19, 12);
}

}  // namespace

QIcon buttonPicture(ButtonPicture which) {
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (which) {
        case ButtonPicture::Draw: drawGraphPicture(painter); break;
        case ButtonPicture::Erase: drawEraserPicture(painter); break;
        case ButtonPicture::Save: drawDiskPicture(painter); break;
        case ButtonPicture::Copy: drawPagesPicture(painter); break;
        case ButtonPicture::Radians: drawPiPicture(painter); break;
        case ButtonPicture::GraphColour: drawPaintPicture(painter); break;
        case ButtonPicture::BackColour: drawBackgroundPicture(painter); break;
    }
    painter.end();
    return QIcon(pixmap);
}

}  // namespace plotaris::canvas
