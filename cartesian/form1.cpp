#include "cartesian/form1.h"

#include <QLineEdit>
#include <exception>

#include "canvas/canvas_options.h"
#include "canvas/failure_message.h"
#include "canvas/graph_canvas.h"
#include "canvas/reference_controls.h"
#include "canvas/sampling.h"
#include "evaluator/equation.h"
#include "platform/dialogs.h"
#include "platform/frame.h"
#include "platform/image_combo.h"
#include "platform/mouse_pointer.h"

namespace plotaris {

namespace {

constexpr int kSamples = 50000;  // steps across the x range: 50 001 points

}  // namespace

Form1::Form1() : FormWindow(FormId::Form1, QStringLiteral("PLOTARIS"), {1016, 714}) {
    buildControls();
    connectHandlers();
}

void Form1::Form_Load() {
    canvas->Form_Load();
    canvas::fillLineWidthList(ImageCombo3);
    canvas::fillLineWidthList(ImageCombo4);
    canvas::setDefaultColours(*this);
}

void Form1::Form_Activate() { canvas->DesenharEixos_Click(); }

void Form1::DesenharGráfico_Click() {
    canvas::GraphCanvas::LiveDrawing live(*canvas);
    try {
        canvas->useFrameScale();
        if (Função->text().isEmpty()) {
            platform::messageBox(
                this, QStringLiteral("Deve escrever a expressão analítica da função que pretende representar graficamente."),
                platform::MessageIcon::Information, QStringLiteral("Desenhar plotaris"));
            Função->setFocus();
            return;
        }
        clsEquation equation;
        platform::setMousePointer(this, platform::MousePointer::Hourglass);
        const int width = ImageCombo4->selectedIndex();
        canvas->picture->setDrawWidth(width);
        canvas->twin->setDrawWidth(width);
        canvas::Curve curve;
        curve.text = Função->text().toStdString();
        canvas::sampleCurve(equation, curve, frame.ValorXmin, frame.ValorXmax, (frame.ValorXmax - frame.ValorXmin) / kSamples,
                            canvas::InsideWithoutZero{frame.ValorYmin, frame.ValorYmax},
                            canvas->pointTargets(CommonDialog1.Color.rgb()));
        canvas->picture->setDrawWidth(1);
        canvas->twin->setDrawWidth(1);
    } catch (const std::exception& failure) {
        canvas::showFailure(this, QStringLiteral("Erro na expressão analítica ou nos limites do gráfico:"), failure);
    }
    platform::setMousePointer(this, platform::MousePointer::Default);
}

void Form1::FrameEixos_MouseDown(int button) {
    FrameEixos->setTopTwips(canvas::movedFrameTop(FrameEixos->topTwips(), button));
}

void Form1::FrameGráfico_MouseDown(int button) {
    FrameGráfico->setTopTwips(canvas::movedFrameTop(FrameGráfico->topTwips(), button));
}

}  // namespace plotaris
