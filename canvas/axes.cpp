#include "canvas/axes.h"

#include <QCheckBox>
#include <QLineEdit>
#include <cmath>
#include <exception>

#include "canvas/axis_grid.h"
#include "canvas/failure_message.h"
#include "canvas/number_format.h"
#include "canvas/number_text.h"
#include "canvas/picture_area.h"
#include "canvas/placed_picture.h"
#include "canvas/radians.h"
#include "evaluator/equation.h"
#include "platform/dialogs.h"
#include "platform/mouse_pointer.h"

namespace plotaris::canvas {

namespace {

constexpr double kVisibleMargin = 200;  // pixels beyond the edge where a mark or number could show

const QString kChecksTitle = QStringLiteral("Funções");

double evaluateBox(clsEquation& equation, const QLineEdit* box) {
    equation.Equation(box->text().toStdString());
    equation.Var("x", 0);
    equation.Solve();
    return equation.Solution();
}

struct Visible {
    double low, high;
};

Visible visibleX(const GraphFrame& f) {
    return {std::min(frameLeft(f), frameRight(f)) - kVisibleMargin * f.UnidadePixelX,
            std::max(frameLeft(f), frameRight(f)) + kVisibleMargin * f.UnidadePixelX};
}

Visible visibleY(const GraphFrame& f) {
    return {std::min(frameTop(f), frameBottom(f)) - kVisibleMargin * f.UnidadePixelY,
            std::max(frameTop(f), frameBottom(f)) + kVisibleMargin * f.UnidadePixelY};
}

double runEnd(double limit, GraduationEnd end) { return end == GraduationEnd::WholePart ? std::floor(limit) : limit; }

// Both runs of one axis: from 0 up by the step to the upper end, then from 0 down to the lower.
template <class Body>
void bothRuns(double step, double lower, double upper, GraduationEnd end, Visible visible, Body&& body) {
    graduationRun(0, runEnd(upper, end), step, visible.low, visible.high, body);
    graduationRun(0, runEnd(lower, end), -step, visible.low, visible.high, body);
}

void useNumberFont(PictureArea& picture) {
    picture.setFontName(QStringLiteral("MS Serif"));
    picture.setFontSize(6);
    picture.setFontBold(true);
}

}  // namespace

void placeArrowHeads(const GraphFrame& f, const AxesCanvas& canvas) {
    canvas.arrowX->moveTo(f.ValorXmax + f.MargemX - 3 * f.UnidadePixelX, 4 * f.UnidadePixelY);
    canvas.arrowY->moveTo(-4 * f.UnidadePixelX, f.ValorYmax + f.MargemY);
    canvas.arrowX->show();
    canvas.arrowY->show();
}

void drawAxisLines(const GraphFrame& f, PictureArea& picture) {
    picture.line(f.ValorXmin - f.MargemX, 0, f.ValorXmax + f.MargemX, 0);
    picture.line(0, f.ValorYmin - f.MargemY, 0, f.ValorYmax + f.MargemY);
}

void printAxisLetters(const GraphFrame& f, PictureArea& picture) {
    // The size stays what the canvas has: the numbers or the radian labels of the last run set it.
    picture.setFontName(QStringLiteral("MS Sans Serif"));
    picture.setFontBold(true);
    picture.setCurrentPosition(f.ValorXmax + f.MargemX + 2 * f.UnidadePixelX, -5 * f.UnidadePixelY);
    picture.print(QStringLiteral("x"));
    picture.setCurrentPosition(-12 * f.UnidadePixelX, f.ValorYmax + f.MargemY + 9 * f.UnidadePixelY);
    picture.print(QStringLiteral("y"));
}

bool drawAxes(GraphFrame& f, const AxesCanvas& canvas, const AxesSettings& s) {
    PictureArea& picture = *canvas.picture;
    const AxisBoxes& b = *s.boxes;
    picture.clear();
    picture.setPixelScale();
    picture.setDrawStyle(DrawStyle::Solid);
    picture.setForeColor(s.axesColour);

    f.ValorXmin = leadingNumber(b.Xmin->text());
    f.ValorXmax = leadingNumber(b.Xmax->text());
    f.ValorYmin = leadingNumber(b.Ymin->text());
    f.ValorYmax = leadingNumber(b.Ymax->text());
    const auto check = [&](const QString& text) {
        platform::messageBox(s.window, text, platform::MessageIcon::Information, kChecksTitle);
        return false;
    };
    if (b.Xmin->text().isEmpty() || b.Xmax->text().isEmpty() || b.Ymin->text().isEmpty() || b.Ymax->text().isEmpty())
        return check(QStringLiteral("É necessário colocar os valores de Xmín, Xmáx, Ymín e Ymáx."));
    if (f.ValorXmin >= f.ValorXmax) return check(QStringLiteral("O valor de Xmín deve ser menor que o de Xmáx."));
    if (f.ValorYmin >= f.ValorYmax) return check(QStringLiteral("O valor de Ymín deve ser menor que o de Ymáx."));

    try {
        double passoX = 0, passoY = 0;
        {
            clsEquation equation;
            f.ValorXmin = evaluateBox(equation, b.Xmin);
            f.ValorXmax = evaluateBox(equation, b.Xmax);
            f.ValorYmin = evaluateBox(equation, b.Ymin);
            f.ValorYmax = evaluateBox(equation, b.Ymax);
            passoX = evaluateBox(equation, b.PassoX);
            passoY = evaluateBox(equation, b.PassoY);
        }
        f.MargemX = std::fabs(f.ValorXmax - f.ValorXmin) / 50;
        f.MargemY = std::fabs(f.ValorYmax - f.ValorYmin) / 50;
        f.UnidadePixelX = std::fabs(frameRight(f) - frameLeft(f)) / picture.pixelWidth();
        f.UnidadePixelY = std::fabs(frameTop(f) - frameBottom(f)) / picture.pixelHeight();
        picture.setUserScale(frameLeft(f), frameTop(f), frameRight(f), frameBottom(f));
        placeArrowHeads(f, canvas);
        picture.setDrawWidth(s.axesWidth);
        drawAxisLines(f, picture);
        printAxisLetters(f, picture);

        const Visible vx = visibleX(f), vy = visibleY(f);
        if (b.MarcaX->isChecked()) {
            if (f.EixosEmRadianos) {
                MarcarEixoRadianos(f, picture);
            } else {
                bothRuns(passoX, f.ValorXmin, f.ValorXmax, s.graduationEnd, vx, [&](double i) {
                    if (i != 0) picture.line(i, 2 * f.UnidadePixelY, i, -2 * f.UnidadePixelY);
                });
            }
        }
        if (b.MarcaY->isChecked()) {
            bothRuns(passoY, f.ValorYmin, f.ValorYmax, s.graduationEnd, vy, [&](double j) {
                if (j != 0) picture.line(-2 * f.UnidadePixelX, j, 2 * f.UnidadePixelX, j);
            });
        }
        if (b.GradNumX->isChecked()) {
            if (f.EixosEmRadianos) {
                NumerarEixoRadianos(
                    f, picture, [&] { return strictNumber(b.Xmin->text()); }, [&] { return strictNumber(b.Xmax->text()); });
            } else {
                useNumberFont(picture);
                bothRuns(passoX, f.ValorXmin, f.ValorXmax, s.graduationEnd, vx, [&](double i) {
                    picture.setCurrentPosition(i - 8 * f.UnidadePixelX, -8 * f.UnidadePixelY);
                    if (i != 0) picture.print(printedNumber(roundToOneDecimal(i)));
                });
            }
        }
        if (b.GradNumY->isChecked()) {
            useNumberFont(picture);
            bothRuns(passoY, f.ValorYmin, f.ValorYmax, s.graduationEnd, vy, [&](double j) {
                picture.setCurrentPosition(-18 * f.UnidadePixelX, j + 5 * f.UnidadePixelY);
                if (j != 0) picture.print(printedNumber(roundToOneDecimal(j)));
            });
        }
        picture.setDrawWidth(1);
        return true;
    } catch (const std::exception& failure) {
        showFailure(s.window, QStringLiteral("Erro nos dados dos eixos:"), failure);
        if (s.window) platform::setMousePointer(s.window, platform::MousePointer::Default);
        canvas.arrowX->setVisible(s.afterFailure == ArrowsAfterFailure::ShowXHideY);
        canvas.arrowY->hide();
        return false;
    }
}

}  // namespace plotaris::canvas
