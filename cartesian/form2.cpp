#include "cartesian/form2.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>

#include "canvas/canvas_options.h"
#include "canvas/graph_canvas.h"
#include "canvas/number_format.h"
#include "canvas/reference_controls.h"
#include "canvas/picture_area.h"
#include "platform/frame.h"
#include "platform/image_combo.h"
#include "platform/mouse_pointer.h"
#include "platform/up_down.h"

namespace plotaris {

namespace {

constexpr int kOpenedFrameTop = 5160;

// A whole number as the language writes one alone: a blank in front of a number without a minus sign.
QString withSignPlace(int n) { return (n < 0 ? QString() : QStringLiteral(" ")) + QString::number(n); }

void openOptionFrame(platform::Frame* frame) {
    frame->setTopTwips(kOpenedFrameTop);
    frame->show();
    frame->raise();
}

void moveOptionFrame(platform::Frame* frame, int button) {
    frame->setTopTwips(canvas::movedFrameTop(frame->topTwips(), button));
}

}  // namespace

Form2::Form2() : FormWindow(FormId::Form2, QStringLiteral("PLOTARIS"), {1016, 714}) {
    buildControls();
    connectHandlers();
}

void Form2::Form_Load() {
    canvas->Form_Load();
    for (platform::Frame* f : {FrameGráfico, FrameEixos, FrameDesenharLinha}) {
        f->hide();
        f->placeTwips(9840, kOpenedFrameTop, 5355, 5145);
    }
    canvas::fillLineStyleList(ImageCombo1, 3);
    canvas::fillLineWidthList(ImageCombo2);
    canvas::fillLineWidthList(ImageCombo3);
    canvas::fillLineWidthList(ImageCombo4);
    canvas::setDefaultColours(*this);
}

void Form2::Form_Activate() { canvas->DesenharEixos_Click(); }

void Form2::showCanvasSize() {
    LabelDimensãoJanela->setText(withSignPlace(canvas->picture->pixelWidth()) + QStringLiteral(" x ") +
                                 withSignPlace(canvas->picture->pixelHeight()));
}

void Form2::VerCoordenadas_Click() {
    if (VerCoordenadas->isChecked()) {
        canvas->picture->setMousePointer(platform::MousePointer::Cross);
    } else {
        Label10->clear();
        canvas->picture->setMousePointer(platform::MousePointer::Default);
    }
}

void Form2::Picture1_MouseMove(double x, double y) {
    if (!VerCoordenadas->isChecked()) return;
    Label10->setText(QStringLiteral("(") + canvas::shortestDecimal(canvas::roundToOneDecimal(x)) + QStringLiteral(" , ") +
                     canvas::shortestDecimal(canvas::roundToOneDecimal(y)) + QStringLiteral(")"));
}

void Form2::Command1_Click() { openOptionFrame(FrameGráfico); }
void Form2::Command2_Click() { openOptionFrame(FrameEixos); }
void Form2::Command4_Click() { openOptionFrame(FrameDesenharLinha); }
void Form2::Command3_Click() { FrameGráfico->hide(); }
void Form2::Command5_Click() { FrameEixos->hide(); }
void Form2::Command6_Click() { FrameDesenharLinha->hide(); }
void Form2::FrameGráfico_MouseDown(int button) { moveOptionFrame(FrameGráfico, button); }
void Form2::FrameEixos_MouseDown(int button) { moveOptionFrame(FrameEixos, button); }
void Form2::FrameDesenharLinha_MouseDown(int button) { moveOptionFrame(FrameDesenharLinha, button); }

void Form2::TipoLinha_Click() { ImageCombo1->dropDown(); }
void Form2::EspessuraLinha_Click() { ImageCombo2->dropDown(); }
void Form2::CorDasLinhas_Click() { canvas::chooseColour(CommonDialog4, Label48, this); }

void Form2::connectHandlers() {
    const auto click = [this](QToolButton* button, void (Form2::*handler)()) {
        connect(button, &QToolButton::clicked, this, [this, handler] { (this->*handler)(); });
    };
    click(DesenharLinhas, &Form2::DesenharLinhas_Click);
    click(Command1, &Form2::Command1_Click);
    click(Command2, &Form2::Command2_Click);
    click(Command4, &Form2::Command4_Click);
    click(Command3, &Form2::Command3_Click);
    click(Command5, &Form2::Command5_Click);
    click(Command6, &Form2::Command6_Click);
    click(TipoLinha, &Form2::TipoLinha_Click);
    click(EspessuraLinha, &Form2::EspessuraLinha_Click);
    click(CorDasLinhas, &Form2::CorDasLinhas_Click);
    connect(FrameGráfico, &platform::Frame::mouseDown, this, [this](int b) { FrameGráfico_MouseDown(b); });
    connect(FrameEixos, &platform::Frame::mouseDown, this, [this](int b) { FrameEixos_MouseDown(b); });
    connect(FrameDesenharLinha, &platform::Frame::mouseDown, this, [this](int b) { FrameDesenharLinha_MouseDown(b); });
    connect(VerCoordenadas, &QCheckBox::toggled, this, [this] { VerCoordenadas_Click(); });
    connect(canvas->picture, &canvas::PictureArea::mouseMoved, this,
            [this](double x, double y) { Picture1_MouseMove(x, y); });
    for (int i = 1; i <= 4; ++i) connectTroço(i);
}

void Form2::connectTroço(int i) {
    const TroçoControls& t = troço(i);
    connect(t.DesenharTroço, &QToolButton::clicked, this, [this, i] { DesenharTroço_Click(i); });
    const auto arrows = [this, i](platform::UpDown* upDown, void (Form2::*down)(int), void (Form2::*up)(int)) {
        connect(upDown, &platform::UpDown::downClick, this, [this, i, down] { (this->*down)(i); });
        connect(upDown, &platform::UpDown::upClick, this, [this, i, up] { (this->*up)(i); });
    };
    arrows(t.UpDownXmi, &Form2::UpDownXmi_DownClick, &Form2::UpDownXmi_UpClick);
    arrows(t.UpDownXma, &Form2::UpDownXma_DownClick, &Form2::UpDownXma_UpClick);
    arrows(t.UpDownYmi, &Form2::UpDownYmi_DownClick, &Form2::UpDownYmi_UpClick);
    arrows(t.UpDownYma, &Form2::UpDownYma_DownClick, &Form2::UpDownYma_UpClick);
}

}  // namespace plotaris
