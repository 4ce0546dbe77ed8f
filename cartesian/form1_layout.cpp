// Form1's controls at their places, with their captions, texts, tooltips, fonts and colours, and
// the events that reach its handlers.
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "canvas/graph_canvas.h"
#include "canvas/pictures.h"
#include "cartesian/form1.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/frame.h"
#include "platform/image_combo.h"
#include "platform/twips.h"
#include "shell/window_menu.h"

namespace plotaris {

using canvas::ButtonPicture;
using canvas::buttonPicture;
using platform::colourSample;
using platform::imageCombo;
using platform::optionFrame;
using platform::toolButton;

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
    QWidget* g = FrameGráfico;
    EspessuraGráfico = toolButton(g, "EspessuraGráfico", QStringLiteral("Espessura do gráfico"),
                                  QStringLiteral("Seleccionar a espessura do gráfico."), 540, 600, 1425, 435);
    ImageCombo4 = imageCombo(g, "ImageCombo4",
                             QStringLiteral("Seleccione aqui a espessura da linha com que é desenhado o gráfico."), 2820,
                             660, 1755, 330);
    CorDoGráfico = toolButton(g, "CorDoGráfico", QStringLiteral("Cor do gráfico"),
                              QStringLiteral("Escolher a cor com que o gráfico é desenhado."), 540, 1260, 1425, 465);
    Label45 = colourSample(g, "Label45", QStringLiteral("Esta é a cor com que o gráfico será desenhado."), 2820, 1320, 1755,
                           375);
    platform::showColourSample(Label45, QColor(0, 0, 255));
    CorDoFundo = toolButton(g, "CorDoFundo", QStringLiteral("Cor do fundo "),
                            QStringLiteral("Escolher a cor do fundo da janela de desenho."), 540, 1980, 1425, 465);
    Label46 = colourSample(g, "Label46", QStringLiteral("Esta é a cor do fundo da janela de desenho."), 2820, 1980, 1755,
                           375);
    platform::showColourSample(Label46, Label46->palette().color(QPalette::Window));
    DesenharGráfico = toolButton(g, "DesenharGráfico", QStringLiteral("Desenhar"),
                                 QStringLiteral("Desenhar o gráfico cuja expressão analítica foi escrita acima"), 300,
                                 2880, 765, 765, buttonPicture(ButtonPicture::Draw));
    ApagarGráfico = toolButton(g, "ApagarGráfico", QStringLiteral("Apagar"), QStringLiteral("Apagar o gráfico desenhado."),
                               1660, 2940, 735, 735, buttonPicture(ButtonPicture::Erase));
    GuardarGráfico = toolButton(g, "GuardarGráfico", QStringLiteral("Guardar"),
                                QStringLiteral("Guardar como imagem .bmp o gráfico da função."), 2990, 2940, 735, 735,
                                buttonPicture(ButtonPicture::Save));
    CopiarGráfico = toolButton(g, "CopiarGráfico", QStringLiteral("Copiar"),
                               QStringLiteral("Copiar o gráfico para outra aplicação."), 4320, 2940, 735, 735,
                               buttonPicture(ButtonPicture::Copy));

    FrameEixos = optionFrame(w, "FrameEixos", QStringLiteral("Opções sobre os eixos"), 9840, 6000, 5355, 4545);
    QWidget* e = FrameEixos;
    Frame14 = optionFrame(e, "Frame14", QString(), 60, 240, 5235, 1875);
    axisBoxes = canvas::buildAxisGrid(Frame14);
    EspessuraEixos = toolButton(e, "EspessuraEixos", QStringLiteral("Espessura dos eixos"),
                                QStringLiteral("Prima este botão para seleccionar a espessura dos eixos."), 720, 2160, 1395,
                                495);
    ImageCombo3 = imageCombo(e, "ImageCombo3",
                             QStringLiteral("Seleccione aqui a espessura da linha com que serão desenhados os eixos."),
                             2880, 2160, 1755, 330);
    CorDosEixos = toolButton(e, "CorDosEixos", QStringLiteral("Cor dos eixos"),
                             QStringLiteral("Prina este botão para seleccionar a cor dos eixos."), 720, 2820, 1395, 495);
    Label44 = colourSample(e, "Label44", QStringLiteral("Nesta janela mostra-se a cor seleccionada para os eixos."), 2880,
                           2880, 1755, 375);
    platform::showColourSample(Label44, QColor(0, 0, 0));
    DesenharEixos = toolButton(e, "DesenharEixos", QStringLiteral("Desenhar"), QStringLiteral("Desenhar os eixos."), 1080,
                               3540, 765, 765, buttonPicture(ButtonPicture::Draw));
    EixosRad = toolButton(e, "EixosRad", QStringLiteral("Radianos "),
                          QStringLiteral("Graduar o eixo das abcissas em radianos."), 3420, 3540, 765, 765,
                          buttonPicture(ButtonPicture::Radians));

    canvas::CanvasControls controls;
    controls.boxes = &axisBoxes;
    controls.graphColour = controls.saveDialog = &CommonDialog1;
    controls.graphSample = Label45;
    controls.backColour = &CommonDialog2;
    controls.backSample = Label46;
    controls.axesColour = &CommonDialog3;
    controls.axesSample = Label44;
    controls.graphWidth = ImageCombo4;
    controls.axesWidth = ImageCombo3;
    controls.radianToggle = EixosRad;
    controls.drawAxes = DesenharEixos;
    controls.erase = ApagarGráfico;
    controls.chooseGraphColour = CorDoGráfico;
    controls.chooseBackColour = CorDoFundo;
    controls.chooseAxesColour = CorDosEixos;
    controls.openGraphWidths = EspessuraGráfico;
    controls.openAxesWidths = EspessuraEixos;
    controls.save = GuardarGráfico;
    controls.copy = CopiarGráfico;
    canvas->attach(controls);

    installWindowMenu(*this);
}

void Form1::connectHandlers() {
    connect(DesenharGráfico, &QToolButton::clicked, this, [this] { DesenharGráfico_Click(); });
    connect(FrameEixos, &platform::Frame::mouseDown, this, [this](int b) { FrameEixos_MouseDown(b); });
    connect(FrameGráfico, &platform::Frame::mouseDown, this, [this](int b) { FrameGráfico_MouseDown(b); });
}

}  // namespace plotaris
