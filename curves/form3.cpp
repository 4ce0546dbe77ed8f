#include "curves/form3.h"

#include <QComboBox>
#include <QLineEdit>

#include "curves/polar_curves.h"

namespace plotaris {

namespace {

// t goes up by a ten-thousandth: 62 832 samples from -pi to pi.
constexpr double kStep = 0.0001;

}  // namespace

Form3::Form3() : CurveWindow(FormId::Form3) { buildControls(); }

void Form3::Form_Load() {
    CurveWindow::Form_Load();
    QStringList names;
    for (const curves::PolarCurve& curve : curves::kPolarCurves) names.append(QString::fromUtf8(curve.name));
    fillCurveList(names, QStringLiteral("Funções pré-definidas"));
}

void Form3::Combo1_Click() {
    const int k = Combo1->currentIndex();
    if (k < 0 || k >= int(curves::kPolarCurves.size())) return;
    const curves::PolarCurve& curve = curves::kPolarCurves[size_t(k)];
    fillBox(EquaçãoPolares, curve.equation);
    fillBox(InícioPolares, curve.range.start);
    fillBox(FinalPolares, curve.range.end);
}

void Form3::DesenharPolares_Click() {
    if (refuseBlank(EquaçãoPolares->text(), QStringLiteral("Escreva a equação ou seleccione uma das pré-definidas.")))
        return;
    drawCurve([this](clsEquation& equation) {
        canvas::Curve curve;
        curve.form = canvas::CurveForm::Polar;
        curve.variable = "t";
        curve.text = EquaçãoPolares->text().toStdString();
        curve.textEverySample = false;
        // Points beyond the frame fall outside the visible area.
        plotCurve(equation, curve, InícioPolares, FinalPolares, kStep, canvas::KeepEveryPoint{});
    });
}

}  // namespace plotaris
