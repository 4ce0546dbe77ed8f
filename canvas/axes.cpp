#include "canvas/axes.h"

#include <QCheckBox>
#include <QLineEdit>
#include <cmath>
#include <exception>

#include "canvas/axis_grid.h"
#include "canvas/failure_message.h"
#include "canvas/number_text.h"
#include "canvas/palette.h"
#include "canvas/picture_area.h"
#include "canvas/placed_picture.h"
#include "evaluator/equation.h"
#include "platform/dialogs.h"
#include "platform/mouse_pointer.h"

namespace plotaris::canvas {

namespace {

const QString kChecksTitle = QStringLiteral("Funções");
constexpr double kFixedLimit = 10;

double evaluateBox(clsEquation& equation, const QLineEdit* box) {
    equation.Equation(box->text().toStdString());
    equation.Var("x", 0);
    equation.Solve();
    return equation.Solution();
}

// The first steps of every run: an empty canvas in pixel measure, solid lines in the axes colour.
void startAxes(PictureArea& picture, const QColor& colour) {
    picture.clear();
    picture.setPixelScale();
    picture.setDrawStyle(DrawStyle::Solid);
    picture.setForeColor(colour);
}

void drawAxesPieces(const GraphFrame& f, const AxesCanvas& canvas, int width) {
    placeArrowHeads(f, canvas);
    canvas.picture->setDrawWidth(width);
    drawAxisLines(f, *canvas.picture);
    printAxisLetters(f, *canvas.picture);
}

}  // namespace

bool checkAxisBoxes(GraphFrame& f, const AxisBoxes& b, QWidget* window) {
    f.ValorXmin = leadingNumber(b.Xmin->text());
    f.ValorXmax = leadingNumber(b.Xmax->text());
    f.ValorYmin = leadingNumber(b.Ymin->text());
    f.ValorYmax = leadingNumber(b.Ymax->text());
    const auto refuse = [&](const QString& text) {
        platform::messageBox(window, text, platform::MessageIcon::Information, kChecksTitle);
        return false;
    };
    if (b.Xmin->text().isEmpty() || b.Xmax->text().isEmpty() || b.Ymin->text().isEmpty() || b.Ymax->text().isEmpty())
        return refuse(QStringLiteral("É necessário colocar os valores de Xmín, Xmáx, Ymín e Ymáx."));
    if (f.ValorXmin >= f.ValorXmax) return refuse(QStringLiteral("O valor de Xmín deve ser menor que o de Xmáx."));
    if (f.ValorYmin >= f.ValorYmax) return refuse(QStringLiteral("O valor de Ymín deve ser menor que o de Ymáx."));
    return true;
}

AxisSteps evaluateAxisBoxes(GraphFrame& f, const AxisBoxes& b) {
    clsEquation equation;
    f.ValorXmin = evaluateBox(equation, b.Xmin);
    f.ValorXmax = evaluateBox(equation, b.Xmax);
    f.ValorYmin = evaluateBox(equation, b.Ymin);
    f.ValorYmax = evaluateBox(equation, b.Ymax);
    AxisSteps steps;
    steps.x = evaluateBox(equation, b.PassoX);
    steps.y = evaluateBox(equation, b.PassoY);
    return steps;
}

void makeFrame(GraphFrame& f, PictureArea& picture) {
    f.MargemX = std::fabs(f.ValorXmax - f.ValorXmin) / 50;
    f.MargemY = std::fabs(f.ValorYmax - f.ValorYmin) / 50;
    f.UnidadePixelX = std::fabs(frameRight(f) - frameLeft(f)) / picture.pixelWidth();
    f.UnidadePixelY = std::fabs(frameTop(f) - frameBottom(f)) / picture.pixelHeight();
    picture.setUserScale(frameLeft(f), frameTop(f), frameRight(f), frameBottom(f));
}

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
    startAxes(picture, s.axesColour);
    if (!checkAxisBoxes(f, b, s.window)) return false;
    try {
        const AxisSteps steps = evaluateAxisBoxes(f, b);
        makeFrame(f, picture);
        drawAxesPieces(f, canvas, s.axesWidth);
        Graduation g;
        g.x = runsFromZero(steps.x, f.ValorXmin, f.ValorXmax, s.graduationEnd);
        g.y = runsFromZero(steps.y, f.ValorYmin, f.ValorYmax, s.graduationEnd);
        g.marksX = b.MarcaX->isChecked();
        g.marksY = b.MarcaY->isChecked();
        g.numbersX = b.GradNumX->isChecked();
        g.numbersY = b.GradNumY->isChecked();
        // The labels' runs end at the limits as typed, read as plain numbers when each run starts.
        g.radianLeftEnd = [&] { return strictNumber(b.Xmin->text()); };
        g.radianRightEnd = [&] { return strictNumber(b.Xmax->text()); };
        drawGraduation(f, picture, g);
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

void drawFixedAxes(GraphFrame& f, const AxesCanvas& canvas) {
    PictureArea& picture = *canvas.picture;
    startAxes(picture, paletteColour(0));
    f.ValorXmin = f.ValorYmin = -kFixedLimit;
    f.ValorXmax = f.ValorYmax = kFixedLimit;
    makeFrame(f, picture);
    drawAxesPieces(f, canvas, 1);
    Graduation g;
    g.x = wholeUnitRuns(f.ValorXmin, f.ValorXmax);
    g.y = wholeUnitRuns(f.ValorYmin, f.ValorYmax);
    g.radianMarks = RadianMarks::DotsToLimit;
    g.radianLeftEnd = [&] { return f.ValorXmin; };
    g.radianRightEnd = [&] { return f.ValorXmax; };
    const RunExits exits = drawGraduation(f, picture, g);
    f.PontoX = exits.x;
    f.PontoY = exits.y;
}

}  // namespace plotaris::canvas
