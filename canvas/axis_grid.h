// The grid of axis options (the inner frame of "Opções sobre os eixos"): limits, marks, numbers
// and steps of both axes under the headings drawn as one picture.
#pragma once

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

namespace plotaris::canvas {

struct AxisGridDefaults {
    QString xmin = QStringLiteral("-12"), xmax = QStringLiteral("12");
    QString ymin = QStringLiteral("-12"), ymax = QStringLiteral("12");
    QString passoX = QStringLiteral("1"), passoY = QStringLiteral("1");
};

// Tooltips of the grid's controls, in the order Xmin, Xmax, Ymin, Ymax, MarcaX, MarcaY,
// GradNumX, GradNumY, PassoX, PassoY; windows that give none leave them empty.
struct AxisGridTooltips {
    QString xmin, xmax, ymin, ymax, marcaX, marcaY, gradNumX, gradNumY, passoX, passoY;
};

struct AxisBoxes {
    QLineEdit *Xmin = nullptr, *Xmax = nullptr, *Ymin = nullptr, *Ymax = nullptr;
    QLineEdit *PassoX = nullptr, *PassoY = nullptr;
    QCheckBox *MarcaX = nullptr, *MarcaY = nullptr, *GradNumX = nullptr, *GradNumY = nullptr;
    QLabel* Image4 = nullptr;  // the headings
};

// Builds the grid's controls inside `frame14` (5235 x 1875 twips), at the same places in every
// window that carries it.
AxisBoxes buildAxisGrid(QWidget* frame14, const AxisGridDefaults& defaults = {}, const AxisGridTooltips& tooltips = {});

}  // namespace plotaris::canvas
