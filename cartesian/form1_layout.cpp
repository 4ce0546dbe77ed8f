// Form1's controls at their places, with their captions, texts, tooltips, fonts and colours, and
// the events that reach its handlers.
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "canvas/graph_canvas.h"
#include "canvas/pictures.h"
#include "canvas/reference_controls.h"
#include "cartesian/form1.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/frame.h"
#include "platform/twips.h"
#include "shell/window_menu.h"

namespace plotaris {

using canvas::ButtonPicture;
using canvas::buttonPicture;
using platform::optionFrame;
using platform::toolButton;

namespace {

constexpr canvas::GraphOptionPlaces kGraphPlaces{
    .EspessuraGráfico = {540, 600, 1425, 435},
    .ImageCombo4 = {2820, 660, 1755, 330},
    .CorDoGráfico = {540, 1260, 1425, 465},
    .Label45 = {2820, 1320, 1755, 375},
    .CorDoFundo = {540, 1980, 1425, 465},
    .Label46 = {2820, 1980, 1755, 375},
    .ApagarGráfico = {1660, 2940, 735, 735},
    .GuardarGráfico = {2990, 2940, 735, 735},
    .CopiarGráfico = {4320, 2940, 735, 735},
};

constexpr canvas::AxesOptionPlaces kAxesPlaces{
    .Frame14 = {60, 240, 5235, 1875},
    .EspessuraEixos = {720, 2160, 1395, 495},
    .ImageCombo3 = {2880, 2160, 1755, 330},
    .CorDosEixos = {720, 2820, 1395, 495},
    .Label44 = {2880, 2880, 1755, 375},
    .DesenharEixos = {1080, 3540, 765, 765},
    .EixosRad = {3420, 3540, 765, 765},
};

}  // namespace

void Form1::buildControls() {
    QWidget* w = client();
    w->setFont(platform::controlFont());

    Label1 = platform::label(w, "Label1", QStringLiteral("DESENHAR PLOTARIS"), 960, 180, 7545, 570);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(platform::windowFont(QStringLiteral("Comic Sans MS"), 20.25, true));
    platform::setTextColour(Label1, QColor(255, 0, 0));

    canvas::GraphCanvasSettings settings;
    settings.twinName = QStringLiteral("Picture2");
    canvas = new canvas::GraphCanvas(w, this, frame, settings);

    Troço = optionFrame(w, "Troço", QStringLiteral("Expressão analítica da função"), 9840, 60, 5355, 855);
    Label3 = platform::label(Troço, "Label3", QStringLiteral("y ="), 240, 360, 285, 240);
    Label3->setFont(platform::frameCaptionFont());
    Função = platform::textBox(Troço, "Função", QStringLiteral("1/3x*(2-sen(x))"),
                               QStringLiteral("Escreva aqui a expressão analítica da função, na variável x."), 720, 300,
                               4275, 315);

    FrameGráfico = optionFrame(w, "FrameGráfico", QStringLiteral("Opções sobre o gráfico"), 9840, 1440, 5355, 3945);
    static_cast<canvas::GraphOptions&>(*this) = canvas::buildGraphOptions(FrameGráfico, kGraphPlaces);
    DesenharGráfico = toolButton(FrameGráfico, "DesenharGráfico", QStringLiteral("Desenhar"),
                                 QStringLiteral("Desenhar o gráfico cuja expressão analítica foi escrita acima"), 300,
                                 2880, 765, 765, buttonPicture(ButtonPicture::Draw));

    FrameEixos = optionFrame(w, "FrameEixos", QStringLiteral("Opções sobre os eixos"), 9840, 6000, 5355, 4545);
    static_cast<canvas::AxesOptions&>(*this) = canvas::buildAxesOptions(FrameEixos, kAxesPlaces);

    canvas->attach(canvas::namedCanvasControls(*this));

    installWindowMenu(*this);
}

void Form1::connectHandlers() {
    connect(DesenharGráfico, &QToolButton::clicked, this, [this] { DesenharGráfico_Click(); });
    connect(FrameEixos, &platform::Frame::mouseDown, this, [this](int b) { FrameEixos_MouseDown(b); });
    connect(FrameGráfico, &platform::Frame::mouseDown, this, [this](int b) { FrameGráfico_MouseDown(b); });
}

}  // namespace plotaris
