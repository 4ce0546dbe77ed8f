#include "curves/form4.h"

#include <QComboBox>
#include <QLineEdit>
#include <QScopeGuard>

#include "curves/parametric_curves.h"

namespace plotaris {

namespace {

// t goes up by a thousandth: 6 284 samples from -pi to pi.
constexpr double kStep = 0.001;
constexpr double kYLimit = 8;  // points with |y| of 8 or more are not drawn

}  // namespace

Form4::Form4() : CurveWindow(FormId::Form4) { buildControls(); }

void Form4::Form_Load() {
    CurveWindow::Form_Load();
    QStringList names;
    for (const curves::ParametricCurve& curve : curves::kParametricCurves) names.append(QString::fromUtf8(curve.name));
    fillCurveList(names, QStringLiteral("     Funções pré-definidas     "));
}

void Form4::Combo1_Click() {
    const int k = Combo1->currentIndex();
    if (k < 0 || k >= int(curves::kParametricCurves.size())) return;
    const curves::ParametricCurve& curve = curves::kParametricCurves[size_t(k)];
    fillBox(ParamétricaX, curve.x);
    fillBox(ParamétricaY, curve.y);
}

void Form4::DesenharParamétricas_Click() {
    if (refuseBlank(ParamétricaX->text(), QStringLiteral("Escreva as duas equações ou seleccione as pré-definidas.")) ||
        refuseBlank(ParamétricaY->text(), QStringLiteral("Escreva as duas equações ou seleccione as pré-definidas.")))
        return;
    drawCurve([this](clsEquation& equation) {
        canvas::Curve curve;
        curve.form = canvas::CurveForm::Parametric;
        curve.variable = "t";
        curve.text = ParamétricaX->text().toStdString();
        curve.secondText = ParamétricaY->text().toStdString();
        // PontoX and PontoY take each point computed, drawn or not, and keep the last one, even
        // when an equation fails; the next drawing's range reads that PontoX.
        canvas::Sample last{0, frame.PontoX, frame.PontoY};
        const auto keepLast = qScopeGuard([&] {
            frame.PontoX = last.first;
            frame.PontoY = last.second;
        });
        // Only y is tested: points beyond the frame sideways fall outside the visible area.
        plotCurve(equation, curve, InícioParamétricas, FinalParamétricas, kStep,
                  canvas::SecondInside{-kYLimit, kYLimit}, &last);
    });
}

}  // namespace plotaris
