// Form10's controls at their places, with their captions, texts, tooltips, fonts and colours, and
// the events that reach its handlers. The four graph frames are one family built from one table.
#include <QByteArray>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "canvas/graph_canvas.h"
#include "canvas/picture_area.h"
#include "canvas/pictures.h"
#include "comparison/form10.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/frame.h"
#include "platform/image_combo.h"
#include "shell/window_menu.h"

namespace plotaris {

using canvas::ButtonPicture;
using canvas::buttonPicture;
using platform::colourSample;
using platform::imageCombo;
using platform::optionFrame;
using platform::toolButton;

namespace {

const QColor kBlue(0, 0, 255), kRed(255, 0, 0);

// What tells the four graph frames apart.
struct GraphMember {
    const char* frame;
    const char* caption;
    int top;                   // of the frame, in the window
    int label3;                // the element of the control array Label3
    const char* graphSample;   // the sample of the graph colour
    const char* backSample;    // the sample of the background
    const char* expression;    // the default
    int canvasLeft, canvasTop; // of canvas N, in FrameDesenhos
    platform::CommonDialog Form10::*graphColour;
    platform::CommonDialog Form10::*backColour;
};

constexpr GraphMember kMembers[Form10::kGraphs] = {
    {"Frame2", "Gráfico 1", 60, 1, "Label45", "Label46", "x^2", 120, 180, &Form10::CommonDialog1, &Form10::CommonDialog2},
    {"Frame1", "Gráfico 2", 2640, 0, "Label4", "Label2", "(x-1)^2", 5040, 180, &Form10::CommonDialog3,
     &Form10::CommonDialog4},
    {"Frame3", "Gráfico 3", 5220, 2, "Label6", "Label5", "(x-2)^2", 120, 5040, &Form10::CommonDialog5,
     &Form10::CommonDialog6},
    {"Frame4", "Gráfico 4", 7800, 3, "Label8", "Label7", "(x-3)^2", 5040, 5040, &Form10::CommonDialog7,
     &Form10::CommonDialog8},
};
constexpr int kCanvasSize = 4800;

// The name of element `index` of a control array, as "Image1(2)".
QByteArray element(const char* name, int index) { return QByteArray(name) + '(' + QByteArray::number(index) + ')'; }
QByteArray numbered(const char* name, int n) { return QByteArray(name) + QByteArray::number(n); }

// The caption of a frame in its own colour; the controls inside keep their texts' colours.
void setCaptionColour(QWidget* frame, const QColor& colour) {
    QPalette palette = frame->palette();
    palette.setColor(QPalette::WindowText, colour);
    frame->setPalette(palette);
}

canvas::AxisGridTooltips panelTooltips() {
    canvas::AxisGridTooltips t;
    t.xmin = QStringLiteral("Escreva aqui o valor mínimo do eixo das abcissas.");
    t.xmax = QStringLiteral("Escreva aqui o valor máximo do eixo das abcissas.");
    t.ymin = QStringLiteral("Escreva aqui o valor mínimo do eixo das ordenadas.");
    t.ymax = QStringLiteral("Escreva aqui o valor máximo do eixo das ordenadas.");
    t.marcaX = QStringLiteral("Valide esta opção para colocar marcas no eixo das abcissas.");
    t.marcaY = QStringLiteral("Valide esta opção para colocar marcas no eixo das ordenadas.");
    t.gradNumX = QStringLiteral("Valide esta opção para colocargraduação no eixo das abcissas.");
    t.gradNumY = QStringLiteral("Valide esta opção para colocargraduação no eixo das ordenadas.");
    t.passoX = QStringLiteral("Indique o intervalo da graduação do eixo das abcissas.");
    t.passoY = QStringLiteral("Indique o intervalo da graduação do eixo das ordenadas.");
    return t;
}

}  // namespace

void Form10::buildControls() {
    QWidget* w = client();
    w->setFont(platform::controlFont());

    Label1 = platform::label(w, "Label1", QStringLiteral("COMPARAR FUNÇÕES"), 2640, 60, 4440, 570);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(platform::windowFont(QStringLiteral("Comic Sans MS"), 20.25, true));
    platform::setTextColour(Label1, kRed);

    FrameDesenhos = optionFrame(w, "FrameDesenhos", QString(), 60, 660, 9945, 9945);
    platform::setBackColour(FrameDesenhos, Qt::white);
    for (int n = 1; n <= kGraphs; ++n) buildGraphFrame(n);

    Command1 = toolButton(w, "Command1", QStringLiteral("Opções sobre os eixos"), QString(), 10140, 10260, 4995, 315);
    platform::setBackColour(Command1, QColor(255, 255, 128));
    buildAxesPanel();

    installWindowMenu(*this);
}

void Form10::buildGraphFrame(int n) {
    const GraphMember& m = kMembers[n - 1];
    Graph& g = graph(n);
    g.graphColour = &(this->*m.graphColour);
    g.backColour = &(this->*m.backColour);

    canvas::GraphCanvasSettings settings;
    settings.pictureName = QString::fromLatin1(numbered("Picture", n));
    settings.arrowXName = QString::fromLatin1(element("Image1", n));
    settings.arrowYName = QString::fromLatin1(element("Image2", n));
    settings.left = m.canvasLeft;
    settings.top = m.canvasTop;
    settings.width = settings.height = kCanvasSize;
    settings.sizeSliders = false;
    settings.graduationEnd = canvas::GraduationEnd::WholePart;
    settings.afterFailure = canvas::ArrowsAfterFailure::HideBoth;
    settings.erase = canvas::EraseAction::RedrawAxes;
    g.canvas = new canvas::GraphCanvas(FrameDesenhos, this, frame, settings);
    // Until its graph's background is chosen, a canvas has the system's window colours: those of
    // a window's text area (Base and Text, not the grey of the window's own surface).
    g.canvas->picture->setBackColor(client()->palette().color(QPalette::Base));
    g.canvas->picture->setForeColor(client()->palette().color(QPalette::Text));

    g.frame = optionFrame(client(), m.frame, QString::fromUtf8(m.caption), 10140, m.top, 4995, 2475);
    g.frame->setFont(platform::windowFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    setCaptionColour(g.frame, kBlue);
    QWidget* f = g.frame;
    g.Label3 = platform::label(f, element("Label3", m.label3).constData(), QStringLiteral("y ="), 960, 420, 285, 240);
    g.Label3->setFont(platform::windowFont(QStringLiteral("Arial"), 8.25, true));
    platform::setTextColour(g.Label3, kBlue);
    g.Função = platform::textBox(f, numbered("Função", n).constData(), QString::fromUtf8(m.expression),
                                 QStringLiteral("Escreva aqui a expressão analítica da função, na variável x."), 1320,
                                 360, 2775, 315);
    g.EspessuraGráfico = toolButton(f, numbered("EspessuraGráfico", n).constData(), QStringLiteral("Espessura do gráfico"),
                                    QStringLiteral("Prima este botão para seleccionar a espessura do gráfico."), 240, 900,
                                    1425, 405);
    g.ImageCombo = imageCombo(f, numbered("ImageCombo", n).constData(),
                              QStringLiteral("Seleccione aqui a espessura da linha com que é desenhado o gráfico."), 2040,
                              900, 1755, 330);
    g.CorDoGráfico = toolButton(f, numbered("CorDoGráfico", n).constData(), QStringLiteral("Cor do gráfico"),
                                QStringLiteral("Escolher a cor com que o gráfico é desenhado."), 240, 1380, 1425, 405);
    g.graphSample = colourSample(f, m.graphSample, QStringLiteral("Esta é a cor com que o gráfico será desenhado."), 2040,
                                 1380, 1755, 375);
    g.CorDoFundo = toolButton(f, numbered("CorDoFundo", n).constData(), QStringLiteral("Cor do fundo "),
                              QStringLiteral("Escolher a cor do fundo da janela de desenho."), 240, 1920, 1425, 405);
    g.backSample = colourSample(f, m.backSample, QStringLiteral("Esta é a cor do fundo da janela de desenho."), 2040, 1920,
                                1755, 375);
    g.Desenhar = toolButton(f, numbered("Desenhar", n).constData(), QStringLiteral("Desenhar"),
                            QStringLiteral("Desenhar o gráfico cuja expressão analítica foi escrita acima"), 4140, 840,
                            675, 675, buttonPicture(ButtonPicture::Draw));
    g.Apagar = toolButton(f, numbered("Apagar", n).constData(), QStringLiteral("Apagar"),
                          QStringLiteral("Apagar o gráfico desenhado."), 4140, 1620, 675, 675,
                          buttonPicture(ButtonPicture::Erase));
}

void Form10::buildAxesPanel() {
    FrameEixos = optionFrame(client(), "FrameEixos", QStringLiteral("Opções sobre os eixos"), 10020, 6420, 5355, 3825);
    platform::setBackColour(FrameEixos, QColor(224, 224, 224));
    QWidget* e = FrameEixos;
    Frame14 = optionFrame(e, "Frame14", QString(), 60, 240, 5235, 1875);
    canvas::AxisGridDefaults defaults;
    defaults.xmin = defaults.ymin = QStringLiteral("-8");
    defaults.xmax = defaults.ymax = QStringLiteral("8");
    axisBoxes = canvas::buildAxisGrid(Frame14, defaults, panelTooltips());
    EspessuraEixos = toolButton(e, "EspessuraEixos", QStringLiteral("Espessura dos eixos"),
                                QStringLiteral("Prima este botão para seleccionar a espessura dos eixos."), 120, 2160, 1395,
                                495);
    ImageCombo5 = imageCombo(e, "ImageCombo5",
                             QStringLiteral("Seleccione aqui a espessura da linha com que serão desenhados os eixos."),
                             1680, 2220, 1155, 330);
    CorDosEixos = toolButton(e, "CorDosEixos", QStringLiteral("Cor dos eixos"),
                             QStringLiteral("Prina este botão para seleccionar a cor dos eixos."), 120, 2760, 1395, 495);
    Label44 = colourSample(e, "Label44", QStringLiteral("Nesta janela mostra-se a cor seleccionada para os eixos."), 1680,
                           2820, 1155, 375);
    EixosRad = toolButton(e, "EixosRad", QStringLiteral("Radianos "),
                          QStringLiteral("Graduar o eixo das abcissas em radianos."), 3420, 2340, 825, 765,
                          buttonPicture(ButtonPicture::Radians));
    DesenharEixos = toolButton(e, "DesenharEixos", QStringLiteral("Desenhar"),
                               QStringLiteral("Desenhar os eixos com as opções acima indicadas."), 4440, 2340, 765, 765,
                               buttonPicture(ButtonPicture::Draw));
    Command2 = toolButton(e, "Command2", QStringLiteral("Fechar esta janela"), QString(), 1320, 3420, 2535, 255);
    platform::setBackColour(Command2, kRed);
    FrameEixos->hide();
}

void Form10::connectHandlers() {
    const auto click = [this](QToolButton* button, auto handler) { connect(button, &QToolButton::clicked, this, handler); };
    for (int n = 1; n <= kGraphs; ++n) {
        Graph& g = graph(n);
        canvas::CanvasControls controls;
        controls.boxes = &axisBoxes;
        controls.graphColour = g.graphColour;
        controls.graphSample = g.graphSample;
        controls.backColour = g.backColour;
        controls.backSample = g.backSample;
        controls.axesColour = &CommonDialog9;
        controls.graphWidth = g.ImageCombo;
        controls.axesWidth = ImageCombo5;
        controls.erase = g.Apagar;
        controls.chooseGraphColour = g.CorDoGráfico;
        controls.chooseBackColour = g.CorDoFundo;
        controls.openGraphWidths = g.EspessuraGráfico;
        g.canvas->attach(controls);
        click(g.Desenhar, [this, n] { DesenharN_Click(n); });
    }
    click(Command1, [this] { Command1_Click(); });
    click(Command2, [this] { Command2_Click(); });
    click(DesenharEixos, [this] { DesenharEixos_Click(); });
    click(EixosRad, [this] { EixosRad_Click(); });
    click(CorDosEixos, [this] { CorDosEixos_Click(); });
    click(EspessuraEixos, [this] { EspessuraEixos_Click(); });
}

}  // namespace plotaris
