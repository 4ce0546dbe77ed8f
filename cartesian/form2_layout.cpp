// Form2's controls at their places, with their captions, texts, tooltips, fonts and colours: the
// heading, the canvas, the section frames, the openers and the three option frames.
#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include "canvas/graph_canvas.h"
#include "canvas/reference_controls.h"
#include "cartesian/form2.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/frame.h"
#include "platform/twips.h"
#include "shell/window_menu.h"

namespace plotaris {

using platform::optionFrame;
using platform::toolButton;

namespace {

const QString kCloseCaption = QStringLiteral("Fechar esta janela");

constexpr canvas::GraphOptionPlaces kGraphPlaces{
    .EspessuraGráfico = {480, 300, 1425, 525},
    .ImageCombo4 = {2940, 360, 1755, 330},
    .CorDoGráfico = {480, 900, 1425, 525},
    .Label45 = {2940, 1020, 1755, 375},
    .CorDoFundo = {480, 1500, 1425, 525},
    .Label46 = {2940, 1620, 1755, 375},
    .ApagarGráfico = {960, 3660, 765, 765},
    .GuardarGráfico = {2445, 3660, 765, 765},
    .CopiarGráfico = {3930, 3660, 765, 765},
};

constexpr canvas::AxesOptionPlaces kAxesPlaces{
    .Frame14 = {60, 240, 5235, 1875},
    .EspessuraEixos = {660, 2340, 1395, 495},
    .ImageCombo3 = {2640, 2400, 1755, 330},
    .CorDosEixos = {660, 3060, 1395, 495},
    .Label44 = {2640, 3060, 1755, 375},
    .DesenharEixos = {1260, 3780, 765, 765},
    .EixosRad = {3480, 3780, 765, 765},
};

}  // namespace

platform::Frame* Form2::newOptionFrame(const char* name, const QString& caption) {
    // Hidden until its opener shows it over the lower section frames, which it then hides.
    platform::Frame* f = optionFrame(client(), name, caption, 9840, 5160, 5355, 5145);
    f->setToolTip(QStringLiteral("Clique sobre esta janela para a deslocar."));
    f->setAutoFillBackground(true);
    f->hide();
    return f;
}

void Form2::useNarrowFace(std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls) control->setFont(platform::windowFont(QStringLiteral("Arial"), 7.5));
}

void Form2::useNarrowFaceWithin(QWidget* area) {
    for (QWidget* control : area->findChildren<QWidget*>()) useNarrowFace({control});
}

void Form2::buildControls() {
    QWidget* w = client();
    w->setFont(platform::controlFont());

    Label1 = platform::label(w, "Label1", QStringLiteral("FUNÇÕES POR PARTES"), 2100, 180, 5085, 600);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(platform::windowFont(QStringLiteral("Comic Sans MS"), 21.75, true));
    platform::setTextColour(Label1, QColor(255, 0, 0));

    canvas::GraphCanvasSettings settings;
    settings.twinName = QStringLiteral("Picture2");
    settings.graduationEnd = canvas::GraduationEnd::WholePart;
    settings.erase = canvas::EraseAction::ClearOnly;
    // Extra lines and the pointer's read-out use the scale the canvas has: after a size change it
    // keeps the scale of the axes just redrawn, not pixels.
    settings.scaleAfterResize = canvas::ScaleAfterResize::AxesScale;
    canvas = new canvas::GraphCanvas(w, this, frame, settings);
    canvas->afterSizeChange = [this] { showCanvasSize(); };

    for (int i = 1; i <= 4; ++i) buildTroço(i);

    Command1 = toolButton(w, "Command1", QStringLiteral("Opções sobre o gráfico"),
                          QStringLiteral("Abrir uma janela com as opções sobre o gráfico."), 9840, 10320, 1695, 255);
    Command2 = toolButton(w, "Command2", QStringLiteral("Opções sobre os eixos"),
                          QStringLiteral("Abrir uma janela com as opções sobre os eixos."), 11610, 10320, 1695, 255);
    Command4 = toolButton(w, "Command4", QStringLiteral("Desenhar linha extra"),
                          QStringLiteral("Abrir uma janela com opções sobre o desenho de linhas."), 13380, 10320, 1695,
                          255);

    buildFrameGráfico();
    buildFrameEixos();
    buildFrameDesenharLinha();
    canvas->attach(canvas::namedCanvasControls(*this));
    installWindowMenu(*this);
}

void Form2::buildFrameGráfico() {
    FrameGráfico = newOptionFrame("FrameGráfico", QStringLiteral("Gráfico"));
    QWidget* g = FrameGráfico;
    static_cast<canvas::GraphOptions&>(*this) = canvas::buildGraphOptions(g, kGraphPlaces);

    FrameJanela = optionFrame(g, "FrameJanela", QStringLiteral("Janela de desenho"), 480, 2220, 4215, 1275);
    QWidget* j = FrameJanela;
    VerCoordenadas = platform::checkBox(j, "VerCoordenadas", QStringLiteral("Ver coordenadas"),
                                        QStringLiteral("Valide esta opção para ver as coordenadas do ponteiro do rato."),
                                        false, 420, 300, 1935, 255);
    Label10 = platform::label(j, "Label10", QString(), 2460, 300, 1395, 255);
    Label10->setToolTip(QStringLiteral("Aqui serão escritas as coordenadas dos pontos."));
    platform::label(j, "Label18", QStringLiteral("Dimensão da janela (pixels) :"), 300, 600, 2145, 255);
    LabelDimensãoJanela = platform::label(j, "LabelDimensãoJanela", QStringLiteral("627 x 627"), 2460, 600, 1395, 255);
    LabelDimensãoJanela->setToolTip(QStringLiteral("Aqui são escritas as dimensões da janela de desenho."));
    Label19 = platform::label(j, "Label19", QStringLiteral("Qualidade do desenho"), 420, 945, 1995, 255);
    HScroll2 = new QScrollBar(Qt::Horizontal, j);
    HScroll2->setObjectName(QStringLiteral("HScroll2"));
    HScroll2->setGeometry(platform::twipsRect(2460, 960, 1395, 195));
    HScroll2->setRange(25, 4000);
    HScroll2->setSingleStep(10);
    HScroll2->setPageStep(50);
    HScroll2->setValue(1000);
    useNarrowFaceWithin(j);

    Command3 = toolButton(g, "Command3", kCloseCaption, QString(), 2460, 4680, 2535, 255);
}

void Form2::buildFrameEixos() {
    FrameEixos = newOptionFrame("FrameEixos", QStringLiteral("Eixos"));
    QWidget* e = FrameEixos;
    static_cast<canvas::AxesOptions&>(*this) = canvas::buildAxesOptions(e, kAxesPlaces);
    Command5 = toolButton(e, "Command5", kCloseCaption, QString(), 1980, 4800, 2535, 255);
}

}  // namespace plotaris
