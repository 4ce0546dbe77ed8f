// Form2's extra lines (from the axes to each section at one abscissa, and a free segment between
// two points) and the steppers beside the section limits.
#include <QCheckBox>
#include <QLineEdit>
#include <array>
#include <exception>

#include "canvas/failure_message.h"
#include "canvas/graph_canvas.h"
#include "canvas/number_text.h"
#include "canvas/picture_area.h"
#include "cartesian/form2.h"
#include "cartesian/stepped_number.h"
#include "cartesian/value_at.h"
#include "evaluator/equation.h"
#include "platform/image_combo.h"
#include "platform/mouse_pointer.h"

namespace plotaris {

namespace {

bool blank(const QLineEdit* box) { return box->text().trimmed().isEmpty(); }

double valueAt(clsEquation& equation, const QLineEdit* box, double x) {
    return valueAt(equation, box->text().toStdString(), x);
}

void stepBox(QLineEdit* box, bool up) {
    if (const auto stepped = steppedNumber(box->text(), up)) box->setText(*stepped);
}

}  // namespace

void Form2::DesenharLinhas_Click() {
    canvas::PictureArea& picture = *canvas->picture;
    // The pen of the extra lines; the drawing colour stays theirs afterwards, so the outlines of
    // the balls drawn next take it until the axes are drawn again.
    const auto useLinePen = [&] {
        picture.setDrawWidth(ImageCombo2->selectedIndex());
        picture.setForeColor(CommonDialog4.Color);
        picture.setDrawStyle(static_cast<canvas::DrawStyle>(ImageCombo1->selectedIndex() - 1));
    };
    try {
        clsEquation equation;
        if (!blank(Abcissa)) {
            const double a = valueAt(equation, Abcissa, 0);
            // The point of each section at the abscissa: (0, 0) for a section that does not hold
            // it. The test reads the limits' leading numbers, not their values; an end belongs to
            // neither section.
            struct Point {
                double x = 0, y = 0;
            };
            std::array<Point, 4> points;
            for (int k = 1; k <= 4; ++k) {
                const TroçoControls& t = troço(k);
                if (!blank(t.Troço1) && a > canvas::leadingNumber(t.Xmín->text()) &&
                    a < canvas::leadingNumber(t.Xmáx->text()))
                    points[size_t(k - 1)] = {a, valueAt(equation, t.Troço1, a)};
            }
            useLinePen();
            if (Vertical->isChecked())
                for (const Point& p : points) picture.line(p.x, 0, p.x, p.y);
            if (Horizontal->isChecked())
                for (const Point& p : points) picture.line(0, p.y, p.x, p.y);
        }
        if (!blank(IniX) && !blank(IniY) && !blank(FimX) && !blank(FimY)) {
            const double x1 = valueAt(equation, IniX, 0), y1 = valueAt(equation, IniY, 0);
            const double x2 = valueAt(equation, FimX, 0), y2 = valueAt(equation, FimY, 0);
            useLinePen();
            picture.line(x1, y1, x2, y2);
        }
        picture.setDrawWidth(1);
        picture.setDrawStyle(canvas::DrawStyle::Solid);
    } catch (const std::exception& failure) {
        canvas::showFailure(this, QStringLiteral("Erro na introdução dos dados:"), failure);
        platform::setMousePointer(this, platform::MousePointer::Default);
    }
}

void Form2::UpDownXmi_DownClick(int i) { stepBox(troço(i).Xmín, false); }
void Form2::UpDownXmi_UpClick(int i) { stepBox(troço(i).Xmín, true); }
void Form2::UpDownXma_DownClick(int i) { stepBox(troço(i).Xmáx, false); }
void Form2::UpDownXma_UpClick(int i) { stepBox(troço(i).Xmáx, true); }
void Form2::UpDownYmi_DownClick(int i) { stepBox(troço(i).Ymín, false); }
void Form2::UpDownYmi_UpClick(int i) { stepBox(troço(i).Ymín, true); }
void Form2::UpDownYma_DownClick(int i) { stepBox(troço(i).Ymáx, false); }
void Form2::UpDownYma_UpClick(int i) { stepBox(troço(i).Ymáx, true); }

}  // namespace plotaris
