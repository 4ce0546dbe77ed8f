#include "canvas/axis_grid.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/twips.h"

namespace plotaris::canvas {

namespace {

// Columns (left, width) and rows (top) of the grid, in twips inside its frame.
constexpr int kMinLeft = 1080, kMaxLeft = 1980, kLimitWidth = 615;
constexpr int kMarksLeft = 3120, kNumbersLeft = 3960, kCheckSize = 195;
constexpr int kStepLeft = 4500, kStepWidth = 555;
constexpr int kBoxHeight = 285;
constexpr int kRowX = 720, kRowY = 1200;

QLineEdit* valueBox(QWidget* parent, const char* name, const QString& text, const QString& tip, int left, int top,
                    int width) {
    QLineEdit* box = platform::textBox(parent, name, text, tip, left, top, width, kBoxHeight);
    box->setAlignment(Qt::AlignCenter);
    platform::setTextColour(box, QColor(255, 0, 0));
    return box;
}

QCheckBox* tickBox(QWidget* parent, const char* name, const QString& tip, int left, int top) {
    return platform::checkBox(parent, name, QString(), tip, true, left, top, kCheckSize, kCheckSize);
}

// The headings "Mínimo" .. "Passo" over the columns and "Abcissa", "Ordenada" before the rows.
QPixmap headingsPicture(QSize size) {
    QPixmap picture(size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setFont(platform::windowFont(QStringLiteral("MS Sans Serif"), 7.5));
    painter.setPen(QColor(0, 0, 128));
    const auto column = [&](int left, int width, const QString& text, Qt::Alignment align = Qt::AlignHCenter) {
        const QRect r = platform::twipsRect(left - 600, 240, width + 1200, 285);
        painter.drawText(align == Qt::AlignRight ? r.adjusted(0, 0, -platform::twipsToPixels(600), 0) : r,
                         align | Qt::AlignVCenter, text);
    };
    column(kMinLeft, kLimitWidth, QStringLiteral("Mínimo"));
    column(kMaxLeft, kLimitWidth, QStringLiteral("Máximo"));
    column(kMarksLeft, kCheckSize, QStringLiteral("Marcas"));
    column(kNumbersLeft, kCheckSize, QStringLiteral("Graduação"));
    // "Graduação" is wider than its column: "Passo" ends with its box instead, to keep clear of it.
    column(kStepLeft, kStepWidth, QStringLiteral("Passo"), Qt::AlignRight);
    const auto row = [&](int top, const QString& text) {
        painter.drawText(platform::twipsRect(60, top, 1000, kBoxHeight), Qt::AlignVCenter | Qt::AlignLeft, text);
    };
    row(kRowX, QStringLiteral("Abcissa"));
    row(kRowY, QStringLiteral("Ordenada"));
    painter.setPen(QColor(160, 160, 160));
    const int underHeadings = platform::twipsToPixels(570);
    painter.drawLine(4, underHeadings, size.width() - 5, underHeadings);
    const int betweenRows = platform::twipsToPixels((kRowX + kBoxHeight + kRowY) / 2);
    painter.drawLine(4, betweenRows, size.width() - 5, betweenRows);
    return picture;
}

}  // namespace

AxisBoxes buildAxisGrid(QWidget* frame14, const AxisGridDefaults& d, const AxisGridTooltips& t) {
    AxisBoxes b;
    b.Image4 = new QLabel(frame14);
    b.Image4->setObjectName(QStringLiteral("Image4"));
    b.Image4->setGeometry(QRect(QPoint(0, 0), frame14->size()));
    b.Image4->setPixmap(headingsPicture(frame14->size()));
    b.Xmin = valueBox(frame14, "Xmin", d.xmin, t.xmin, kMinLeft, kRowX, kLimitWidth);
    b.Xmax = valueBox(frame14, "Xmax", d.xmax, t.xmax, kMaxLeft, kRowX, kLimitWidth);
    b.Ymin = valueBox(frame14, "Ymin", d.ymin, t.ymin, kMinLeft, kRowY, kLimitWidth);
    b.Ymax = valueBox(frame14, "Ymax", d.ymax, t.ymax, kMaxLeft, kRowY, kLimitWidth);
    b.MarcaX = tickBox(frame14, "MarcaX", t.marcaX, kMarksLeft, kRowX + 60);
    b.GradNumX = tickBox(frame14, "GradNumX", t.gradNumX, kNumbersLeft, kRowX + 60);
    b.MarcaY = tickBox(frame14, "MarcaY", t.marcaY, kMarksLeft, kRowY + 60);
    b.GradNumY = tickBox(frame14, "GradNumY", t.gradNumY, kNumbersLeft, kRowY + 60);
    b.PassoX = valueBox(frame14, "PassoX", d.passoX, t.passoX, kStepLeft, kRowX, kStepWidth);
    b.PassoY = valueBox(frame14, "PassoY", d.passoY, t.passoY, kStepLeft, kRowY, kStepWidth);
    return b;
}

}  // namespace plotaris::canvas
