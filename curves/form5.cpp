#include "curves/form5.h"

#include <QLabel>
#include <QLineEdit>
#include <exception>

#include "canvas/palette.h"
#include "canvas/picture_area.h"
#include "canvas/sampling.h"
#include "curves/gallery_families.h"
#include "evaluator/equation.h"
#include "platform/frame.h"
#include "platform/mouse_pointer.h"

namespace plotaris {

namespace {

constexpr double kStep = 0.0001;
// With the radius limit, a point is drawn only for -8 < r < 8.
constexpr double kRadiusLimit = 8;

void drawCurve(Equação& equation, const canvas::Curve& curve, const curves::CurvaEspecial& entry, bool limiteRaio,
               const canvas::PointTargets& targets) {
    if (limiteRaio)
        canvas::sampleCurve(equation, curve, entry.TInício, entry.TFim, kStep,
                            canvas::FirstInside{-kRadiusLimit, kRadiusLimit}, targets);
    else
        canvas::sampleCurve(equation, curve, entry.TInício, entry.TFim, kStep, canvas::KeepEveryPoint{}, targets);
}

}  // namespace

Form5::Form5() : FormWindow(FormId::Form5, QStringLiteral("PLOTARIS"), {1016, 714}) {
    buildControls();
    connectHandlers();
}

void Form5::Form_Load() {
    FrameDesenhos->placeTwips(120, 1080, 9465, 9465);
    for (canvas::PictureArea* picture : Picture2) picture->setBackColor(canvas::paletteColour(0));
}

// The pictures keep their background and drawings: only the colours go back to their defaults.
void Form5::Form_Activate() {
    CommonDialog1.Color = canvas::paletteColour(14);
    CommonDialog2.Color = canvas::paletteColour(0);
}

// The captions, the scale and the colours stay.
void Form5::Apagar_Click() {
    for (canvas::PictureArea* picture : Picture2) picture->clear();
}

void Form5::CorGráfico_Click() { CommonDialog1.ShowColor(this); }

// Whatever the dialog's outcome, the pictures take the colour it holds, and lose their drawings.
void Form5::CorFundo_Click() {
    CommonDialog2.ShowColor(this);
    for (canvas::PictureArea* picture : Picture2) picture->setBackColor(CommonDialog2.Color);
}

void Form5::DesenharFamília(const curves::FamíliaEspecial& família) {
    for (canvas::PictureArea* picture : Picture2) picture->setUserScale(-10, 10, 10, -10);
    const platform::PointerWhile hourglass(this, platform::MousePointer::Hourglass);
    for (int k = 0; k < 9; ++k) {
        Label3[k]->setText(QString::fromStdString(família.Curvas[k].Legenda));
        Label3[k]->adjustSize();
    }
    Equação equation;
    canvas::Curve curve;
    curve.form = canvas::CurveForm::Polar;
    curve.variable = "t";
    curve.textEverySample = false;
    // A sample whose evaluation fails is dropped: the radius before it is not drawn again at its t.
    curve.onFailure = canvas::SampleFailure::SkipSample;
    for (int k = 0; k < 9; ++k) {
        const curves::CurvaEspecial& entry = família.Curvas[k];
        Expressão->setText(QString::fromStdString(entry.TextoCurva));
        curve.text = Expressão->text().toStdString();
        // Nothing stops the gallery: a curve that cannot be drawn is left out and the next one drawn.
        try {
            drawCurve(equation, curve, entry, família.LimiteRaio, {Picture2[k], nullptr, CommonDialog1.Color.rgb()});
        } catch (const std::exception&) {
        }
    }
}

void Form5::drawFamilyOf(const char* button) {
    if (const curves::FamíliaEspecial* família = curves::famíliaEspecial(button)) DesenharFamília(*família);
}

void Form5::DesRosáciaN1_Click() { drawFamilyOf("DesRosáciaN1"); }
void Form5::DesRosáciaN2_Click() { drawFamilyOf("DesRosáciaN2"); }
void Form5::DesRosáciaN3_Click() { drawFamilyOf("DesRosáciaN3"); }
void Form5::DesRosáciaN4_Click() { drawFamilyOf("DesRosáciaN4"); }
void Form5::DesRosáciaN5_Click() { drawFamilyOf("DesRosáciaN5"); }
void Form5::ConcoideRosacean_Click() { drawFamilyOf("ConcoideRosacean"); }
void Form5::ConcoideRosacean2_Click() { drawFamilyOf("ConcoideRosacean2"); }
void Form5::ConcoideRosacean3_Click() { drawFamilyOf("ConcoideRosacean3"); }
void Form5::ConcoideRosacean4_Click() { drawFamilyOf("ConcoideRosacean4"); }
void Form5::ConcoideRosacean5_Click() { drawFamilyOf("ConcoideRosacean5"); }
void Form5::Folioiden_Click() { drawFamilyOf("Folioiden"); }
void Form5::Folioiden2_Click() { drawFamilyOf("Folioiden2"); }
void Form5::Folioiden3_Click() { drawFamilyOf("Folioiden3"); }
void Form5::Folioiden4_Click() { drawFamilyOf("Folioiden4"); }
void Form5::Folioiden5_Click() { drawFamilyOf("Folioiden5"); }
void Form5::DesEspiralSin1_Click() { drawFamilyOf("DesEspiralSin1"); }
void Form5::DesEspiralSin2_Click() { drawFamilyOf("DesEspiralSin2"); }
void Form5::DesEspiralSin3_Click() { drawFamilyOf("DesEspiralSin3"); }
void Form5::DesEspiralSin4_Click() { drawFamilyOf("DesEspiralSin4"); }
void Form5::DesEspiralSin5_Click() { drawFamilyOf("DesEspiralSin5"); }

}  // namespace plotaris
