#include "cartesian/form1.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>
#include <string>

#include "canvas/axes.h"
#include "canvas/canvas_options.h"
#include "canvas/counted_loop.h"
#include "canvas/failure_message.h"
#include "canvas/palette.h"
#include "canvas/picture_area.h"
#include "canvas/placed_picture.h"
#include "canvas/save_copy.h"
#include "evaluator/equation.h"
#include "platform/dialogs.h"
#include "platform/frame.h"
#include "platform/image_combo.h"
#include "platform/mouse_pointer.h"
#include "platform/twips.h"

namespace plotaris {

namespace {

constexpr int kSamples = 50000;  // steps across the x range: 50 001 points

}  // namespace

Form1::Form1() : FormWindow(FormId::Form1, QStringLiteral("PLOTARIS"), {1016, 714}) {
    buildControls();
    connectHandlers();
}

void Form1::Form_Load() {
    Picture1->placeTwips(120, 900, 9465, 9465);
    Picture1->setUserScale(-10, 10, 10, -10);
    Picture2->placeTwips(120, 900, 9465, 9465);
    Picture2->setUserScale(-10, 10, 10, -10);
    Picture1->setKeptImage(true);
    Picture2->setKeptImage(false);
    Picture2->hide();
    HScroll1->setGeometry(platform::twipsRect(120, 10365, 9465, 195));
    VScroll1->setGeometry(platform::twipsRect(9585, 900, 195, 9465));
    canvas::fillLineWidthList(ImageCombo3);
    canvas::fillLineWidthList(ImageCombo4);
    CommonDialog1.Color = canvas::paletteColour(9);
    CommonDialog2.Color = canvas::paletteColour(15);
    CommonDialog3.Color = canvas::paletteColour(0);
    CommonDialog4.Color = canvas::paletteColour(9);
    frame.EixosEmRadianos = false;
    Image1->hide();
    Image2->hide();
}

void Form1::Form_Activate() { DesenharEixos_Click(); }

void Form1::DesenharEixos_Click() {
    canvas::AxesSettings settings;
    settings.boxes = &axisBoxes;
    settings.axesColour = CommonDialog3.Color;
    settings.axesWidth = ImageCombo3->selectedIndex();
    settings.window = this;
    canvas::drawAxes(frame, {Picture1, Image1, Image2}, settings);
}

// Erasing the graph is drawing the empty axes again.
void Form1::ApagarGráfico_Click() { DesenharEixos_Click(); }

void Form1::EixosRad_Click() {
    if (frame.EixosEmRadianos) {
        EixosRad->setToolTip(QStringLiteral("Graduar o eixo das abcissas em radianos."));
        EixosRad->setText(QStringLiteral("Radianos"));
        frame.EixosEmRadianos = false;
    } else {
        EixosRad->setToolTip(QStringLiteral("Graduar o eixo das abcissas em unidades."));
        EixosRad->setText(QStringLiteral("Unidades"));
        frame.EixosEmRadianos = true;
    }
    DesenharEixos_Click();
}

void Form1::DesenharGráfico_Click() {
    // The live twin stands in for the canvas while the points are drawn on both.
    Picture1->hide();
    Picture2->show();
    try {
        const double left = canvas::frameLeft(frame), top = canvas::frameTop(frame);
        const double right = canvas::frameRight(frame), bottom = canvas::frameBottom(frame);
        Picture1->setUserScale(left, top, right, bottom);
        Picture2->setUserScale(left, top, right, bottom);
        if (Função->text().isEmpty()) {
            platform::messageBox(
                this, QStringLiteral("Deve escrever a expressão analítica da função que pretende representar graficamente."),
                platform::MessageIcon::Information, QStringLiteral("Desenhar plotaris"));
            Picture1->show();
            Picture2->hide();
            Função->setFocus();
            return;
        }
        clsEquation equation;
        platform::setMousePointer(this, platform::MousePointer::Hourglass);
        const double step = (frame.ValorXmax - frame.ValorXmin) / kSamples;
        const int width = ImageCombo4->selectedIndex();
        Picture1->setDrawWidth(width);
        Picture2->setDrawWidth(width);
        const std::string text = Função->text().toStdString();
        const std::string variable = "x";
        const QRgb colour = CommonDialog1.Color.rgb();
        const double ymin = frame.ValorYmin, ymax = frame.ValorYmax;
        canvas::countedLoop(frame.ValorXmin, frame.ValorXmax, step, [&](double x) {
            // The text is given again at every point; the evaluator keeps its tokens for the same text.
            equation.Equation(text);
            equation.Var(variable, x);
            equation.Solve();
            const double y = equation.Solution();
            if (y > ymin && y < ymax && y != 0) {
                Picture1->point(x, y, colour);
                Picture2->point(x, y, colour);
            }
        });
        Picture1->setDrawWidth(1);
        Picture2->setDrawWidth(1);
    } catch (const std::exception& failure) {
        canvas::showFailure(this, QStringLiteral("Erro na expressão analítica ou nos limites do gráfico:"), failure);
    }
    platform::setMousePointer(this, platform::MousePointer::Default);
    Picture1->show();
    Picture2->hide();
}

void Form1::CorDoGráfico_Click() { canvas::chooseColour(CommonDialog1, Label45, this); }

void Form1::CorDoFundo_Click() {
    canvas::chooseColour(CommonDialog2, Label46, this);
    Picture1->setBackColor(CommonDialog2.Color);
    DesenharEixos_Click();
}

void Form1::CorDosEixos_Click() { canvas::chooseColour(CommonDialog3, Label44, this); }

void Form1::EspessuraEixos_Click() { ImageCombo3->dropDown(); }
void Form1::EspessuraGráfico_Click() { ImageCombo4->dropDown(); }

void Form1::HScroll1_Change() {
    const int value = HScroll1->value();
    Picture1->setWidthTwips(value);  // raises Picture1_Resize
    Picture2->setWidthTwips(value);
    VScroll1->move(platform::twipsToPixels(value + 120), VScroll1->y());
    HScroll1->resize(platform::twipsToPixels(value), HScroll1->height());
    Picture1->setPixelScale();
}

void Form1::VScroll1_Change() {
    const int value = VScroll1->value();
    Picture1->setHeightTwips(value);  // raises Picture1_Resize
    Picture2->setHeightTwips(value);
    HScroll1->move(HScroll1->x(), platform::twipsToPixels(value + 900));
    VScroll1->resize(VScroll1->width(), platform::twipsToPixels(value));
    Picture1->setPixelScale();
}

void Form1::Picture1_Resize() {
    Picture1->clear();
    DesenharEixos_Click();
}

void Form1::FrameEixos_MouseDown(int button) {
    FrameEixos->setTopTwips(canvas::movedFrameTop(FrameEixos->topTwips(), button));
}

void Form1::FrameGráfico_MouseDown(int button) {
    FrameGráfico->setTopTwips(canvas::movedFrameTop(FrameGráfico->topTwips(), button));
}

void Form1::GuardarGráfico_Click() { canvas::saveCanvasPicture(CommonDialog1, Picture1->image(), this); }

void Form1::CopiarGráfico_Click() { canvas::copyCanvasPicture(Picture1->image()); }

}  // namespace plotaris
