// The drawing of one section (DesenharTroço1 .. DesenharTroço4): its points strictly inside its y
// window, then the balls and the dotted coordinate lines at its two ends.
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <exception>
#include <string>

#include "canvas/failure_message.h"
#include "canvas/graph_canvas.h"
#include "canvas/picture_area.h"
#include "canvas/sample_range.h"
#include "canvas/sampling.h"
#include "cartesian/form2.h"
#include "cartesian/form2_sections.h"
#include "cartesian/value_at.h"
#include "evaluator/equation.h"
#include "platform/dialogs.h"
#include "platform/image_combo.h"

namespace plotaris {

namespace {

using canvas::PictureArea;

// A section's limits as its drawing reads them.
struct TroçoLimits {
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
};

// A limit box evaluated as it is, x left without a value (so a limit using x fails); an empty or
// blank box counts as 0.
double limitValue(clsEquation& equation, const QLineEdit* box) {
    if (box->text().trimmed().isEmpty()) return 0;
    equation.Equation(box->text().toStdString());
    equation.Solve();
    return equation.Solution();
}

TroçoLimits readLimits(clsEquation& equation, const TroçoControls& t) {
    TroçoLimits limits;
    limits.xmin = limitValue(equation, t.Xmín);
    limits.xmax = limitValue(equation, t.Xmáx);
    limits.ymin = limitValue(equation, t.Ymín);
    limits.ymax = limitValue(equation, t.Ymáx);
    return limits;
}

// A line in a colour of its own; the drawing colour stays what it was.
void lineInColour(PictureArea& picture, double x1, double y1, double x2, double y2, const QColor& colour) {
    const QColor drawing = picture.foreColor();
    picture.setForeColor(colour);
    picture.line(x1, y1, x2, y2);
    picture.setForeColor(drawing);
}

struct SectionEnds {
    clsEquation& equation;
    std::string text;
    const TroçoLimits& limits;
    double end(bool right) const { return right ? limits.xmax : limits.xmin; }
    double valueAtEnd(bool right) const { return valueAt(equation, text, end(right)); }
};

// Balls of radius r in the graph colour, outlined in the canvas's drawing colour: open ones
// first, left then right, then closed ones.
void drawBalls(PictureArea& picture, const SectionEnds& ends, const TroçoControls& t, double r, const QColor& graph) {
    picture.setFillColor(graph);
    const bool open[2] = {t.AbertaEsq->isChecked(), t.AbertaDir->isChecked()};
    const bool closed[2] = {t.FechadaEsq->isChecked(), t.FechadaDir->isChecked()};
    for (bool right : {false, true}) {
        if (!open[right]) continue;
        const double y = ends.valueAtEnd(right);
        picture.setFillStyle(canvas::FillStyle::Transparent);
        picture.circle(ends.end(right), y, r);
    }
    for (bool right : {false, true}) {
        if (!closed[right]) continue;
        const double y = ends.valueAtEnd(right);
        picture.setFillStyle(canvas::FillStyle::Solid);
        picture.circle(ends.end(right), y, r);
        picture.setFillStyle(canvas::FillStyle::Transparent);
    }
}

// Dotted lines from each end's point down (or up) to the x axis and across to the y axis.
void drawCoordinateLines(PictureArea& picture, const SectionEnds& ends, const TroçoControls& t, const QColor& graph,
                         const QColor& horizontal) {
    const bool wanted[2] = {t.CoordEsq->isChecked(), t.CoordDir->isChecked()};
    for (bool right : {false, true}) {
        if (!wanted[right]) continue;
        const double x = ends.end(right), y = ends.valueAtEnd(right);
        picture.setDrawStyle(canvas::DrawStyle::Dot);
        lineInColour(picture, x, y, x, 0, graph);
        lineInColour(picture, x, y, 0, y, horizontal);
        picture.setDrawStyle(canvas::DrawStyle::Solid);
    }
}

}  // namespace

void Form2::DesenharTroço_Click(int i) {
    const TroçoMember& member = kTroços[size_t(i - 1)];
    const TroçoControls& t = troço(i);
    PictureArea& picture = *canvas->picture;
    canvas::GraphCanvas::LiveDrawing live(*canvas, member.liveTwin);
    try {
        canvas->useFrameScale(member.liveTwin);
        if (t.Troço1->text().isEmpty()) {
            platform::messageBox(
                this,
                QStringLiteral(
                    "Deve escrever a expressão analítica do troço da função que pretende representar graficamente."),
                platform::MessageIcon::Information, QStringLiteral("Desenhar plotaris"));
            t.Troço1->setFocus();
            return;
        }
        // Balls keep their size on the screen: 1/200 of the visible x range.
        const double radius = picture.scaleWidth() / 200;
        clsEquation equation;
        const TroçoLimits limits = readLimits(equation, t);
        picture.setMousePointer(platform::MousePointer::Hourglass);
        const int width = ImageCombo4->selectedIndex();
        picture.setDrawWidth(width);
        if (member.liveTwin) canvas->twin->setDrawWidth(width);

        canvas::Curve curve;
        curve.text = t.Troço1->text().toStdString();
        const double step = 1.0 / HScroll2->value();
        const canvas::SampleRange range = canvas::drawableRange(limits.xmin, limits.xmax, step, picture);
        canvas::sampleCurve(equation, curve, range.start, range.end, step,
                            canvas::InsideWithoutZero{limits.ymin, limits.ymax},
                            canvas->pointTargets(CommonDialog1.Color.rgb(), member.liveTwin));
        picture.setDrawWidth(1);
        if (member.liveTwin) canvas->twin->setDrawWidth(1);

        const SectionEnds ends{equation, curve.text, limits};
        drawBalls(picture, ends, t, radius, CommonDialog1.Color);
        drawCoordinateLines(picture, ends, t, CommonDialog1.Color,
                            member.horizontalInLineColour ? CommonDialog4.Color : CommonDialog1.Color);
    } catch (const std::exception& failure) {
        canvas::showFailure(this, QStringLiteral("Erro na expressão analítica:"), failure);
    }
    picture.setMousePointer(platform::MousePointer::Default);
}

}  // namespace plotaris
