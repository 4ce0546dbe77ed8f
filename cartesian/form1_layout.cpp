// Form1's controls at their places, with their captions, texts, tooltips, fonts and colours, and
// the events that reach its handlers.
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QToolButton>

#include "canvas/canvas_options.h"
#include "canvas/picture_area.h"
#include "canvas/pictures.h"
#include "canvas/placed_picture.h"
#include "cartesian/form1.h"
#include "platform/fonts.h"
#include "platform/frame.h"
#include "platform/image_combo.h"
#include "platform/twips.h"
#include "shell/window_menu.h"

namespace plotaris {

namespace {

using platform::twipsRect;

QFont controlFont() { return platform::windowFont(QStringLiteral("MS Sans Serif"), 8.25); }
QFont buttonFont() { return platform::windowFont(QStringLiteral("MS Serif"), 6); }
QFont frameFont() { return platform::windowFont(QStringLiteral("Arial"), 8.25, true); }

platform::Frame* optionFrame(QWidget* parent, const char* name, const QString& caption, int l, int t, int w, int h) {
    auto* f = new platform::Frame(caption, parent);
    f->setObjectName(QString::fromUtf8(name));
    f->setFont(frameFont());
    f->placeTwips(l, t, w, h);
    return f;
}

// A button; with a picture, the picture stands above the caption.
QToolButton* button(QWidget* parent, const char* name, const QString& caption, const QString& tip, int l, int t, int w,
                    int h, const QIcon& picture = {}) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QString::fromUtf8(name));
    b->setText(caption);
    b->setToolTip(tip);
    b->setFont(buttonFont());
    b->setGeometry(twipsRect(l, t, w, h));
    if (!picture.isNull()) {
        b->setIcon(picture);
        b->setIconSize(QSize(24, 24));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    } else {
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    }
    return b;
}

QLabel* sample(QWidget* parent, const char* name, const QString& tip, int l, int t, int w, int h) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setToolTip(tip);
    label->setGeometry(twipsRect(l, t, w, h));
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

platform::ImageCombo* imageCombo(QWidget* parent, const char* name, const QString& tip, int l, int t, int w, int h) {
    auto* combo = new platform::ImageCombo(parent);
    combo->setObjectName(QString::fromUtf8(name));
    combo->setToolTip(tip);
    combo->setGeometry(twipsRect(l, t, w, h));
    combo->setIconSize(QSize(100, 20));
    return combo;
}

}  // namespace

void Form1::buildControls() {
    QWidget* w = client();
    w->setFont(controlFont());

    Label1 = new QLabel(QStringLiteral("DESENHAR PLOTARIS"), w);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twipsRect(960, 180, 7545, 570));
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(platform::windowFont(QStringLiteral("Comic Sans MS"), 20.25, true));
    QPalette red = Label1->palette();
    red.setColor(QPalette::WindowText, QColor(255, 0, 0));
    Label1->setPalette(red);

    // The canvas and its live twin, at one place; the twin stands in front while it is shown.
    Picture1 = new canvas::PictureArea(w);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->placeTwips(120, 900, 9465, 9465);
    Picture2 = new canvas::PictureArea(w);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->placeTwips(120, 900, 9465, 9465);
    Image1 = new canvas::PlacedPicture(canvas::arrowHeadRight(), Picture1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->hide();
    Image2 = new canvas::PlacedPicture(canvas::arrowHeadUp(), Picture1);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->hide();

    HScroll1 = new QScrollBar(Qt::Horizontal, w);
    HScroll1->setObjectName(QStringLiteral("HScroll1"));
    HScroll1->setGeometry(twipsRect(120, 10365, 9465, 195));
    canvas::setUpSizeSlider(HScroll1);
    VScroll1 = new QScrollBar(Qt::Vertical, w);
    VScroll1->setObjectName(QStringLiteral("VScroll1"));
    VScroll1->setGeometry(twipsRect(9585, 900, 195, 9465));
    canvas::setUpSizeSlider(VScroll1);

    Troço = optionFrame(w, "Troço", QStringLiteral("Expressão analítica da função"), 9840, 60, 5355, 855);
    Label3 = new QLabel(QStringLiteral("y ="), Troço);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setGeometry(twipsRect(240, 360, 285, 240));
    Label3->setFont(frameFont());
    Função = new QLineEdit(QStringLiteral("1/3x*(2-sen(x))"), Troço);
    Função->setObjectName(QStringLiteral("Função"));
    Função->setGeometry(twipsRect(720, 300, 4275, 315));
    Função->setFont(controlFont());
    Função->setToolTip(QStringLiteral("Escreva aqui a expressão analítica da função, na variável x."));

    FrameGráfico = optionFrame(w, "FrameGráfico", QStringLiteral("Opções sobre o gráfico"), 9840, 1440, 5355, 3945);
    QWidget* g = FrameGráfico;
    EspessuraGráfico = button(g, "EspessuraGráfico", QStringLiteral("Espessura do gráfico"),
                              QStringLiteral("Seleccionar a espessura do gráfico."), 540, 600, 1425, 435);
    ImageCombo4 = imageCombo(g, "ImageCombo4",
                             QStringLiteral("Seleccione aqui a espessura da linha com que é desenhado o gráfico."), 2820,
                             660, 1755, 330);
    CorDoGráfico = button(g, "CorDoGráfico", QStringLiteral("Cor do gráfico"),
                          QStringLiteral("Escolher a cor com que o gráfico é desenhado."), 540, 1260, 1425, 465);
    Label45 = sample(g, "Label45", QStringLiteral("Esta é a cor com que o gráfico será desenhado."), 2820, 1320, 1755, 375);
    canvas::showColourSample(Label45, QColor(0, 0, 255));
    CorDoFundo = button(g, "CorDoFundo", QStringLiteral("Cor do fundo "),
                        QStringLiteral("Escolher a cor do fundo da janela de desenho."), 540, 1980, 1425, 465);
    Label46 = sample(g, "Label46", QStringLiteral("Esta é a cor do fundo da janela de desenho."), 2820, 1980, 1755, 375);
    canvas::showColourSample(Label46, Label46->palette().color(QPalette::Window));
    DesenharGráfico = button(g, "DesenharGráfico", QStringLiteral("Desenhar"),
                             QStringLiteral("Desenhar o gráfico cuja expressão analítica foi escrita acima"), 300, 2880,
                             765, 765, canvas::buttonPicture(canvas::ButtonPicture::Draw));
    ApagarGráfico = button(g, "ApagarGráfico", QStringLiteral("Apagar"), QStringLiteral("Apagar o gráfico desenhado."),
                           1660, 2940, 735, 735, canvas::buttonPicture(canvas::ButtonPicture::Erase));
    GuardarGráfico = button(g, "GuardarGráfico", QStringLiteral("Guardar"),
                            QStringLiteral("Guardar como imagem .bmp o gráfico da função."), 2990, 2940, 735, 735,
                            canvas::buttonPicture(canvas::ButtonPicture::Save));
    CopiarGráfico = button(g, "CopiarGráfico", QStringLiteral("Copiar"),
                           QStringLiteral("Copiar o gráfico para outra aplicação."), 4320, 2940, 735, 735,
                           canvas::buttonPicture(canvas::ButtonPicture::Copy));

    FrameEixos = optionFrame(w, "FrameEixos", QStringLiteral("Opções sobre os eixos"), 9840, 6000, 5355, 4545);
    QWidget* e = FrameEixos;
    Frame14 = optionFrame(e, "Frame14", QString(), 60, 240, 5235, 1875);
    axisBoxes = canvas::buildAxisGrid(Frame14);
    EspessuraEixos = button(e, "EspessuraEixos", QStringLiteral("Espessura dos eixos"),
                            QStringLiteral("Prima este botão para seleccionar a espessura dos eixos."), 720, 2160, 1395, 495);
    ImageCombo3 = imageCombo(e, "ImageCombo3",
                             QStringLiteral("Seleccione aqui a espessura da linha com que serão desenhados os eixos."),
                             2880, 2160, 1755, 330);
    CorDosEixos = button(e, "CorDosEixos", QStringLiteral("Cor dos eixos"),
                         QStringLiteral("Prina este botão para seleccionar a cor dos eixos."), 720, 2820, 1395, 495);
    Label44 = sample(e, "Label44", QStringLiteral("Nesta janela mostra-se a cor seleccionada para os eixos."), 2880, 2880,
                     1755, 375);
    canvas::showColourSample(Label44, QColor(0, 0, 0));
    DesenharEixos = button(e, "DesenharEixos", QStringLiteral("Desenhar"), QStringLiteral("Desenhar os eixos."), 1080,
                           3540, 765, 765, canvas::buttonPicture(canvas::ButtonPicture::Draw));
    EixosRad = button(e, "EixosRad", QStringLiteral("Radianos "), QStringLiteral("Graduar o eixo das abcissas em radianos."),
                      3420, 3540, 765, 765, canvas::buttonPicture(canvas::ButtonPicture::Radians));

    installWindowMenu(*this);
}

void Form1::connectHandlers() {
    connect(DesenharEixos, &QToolButton::clicked, this, [this] { DesenharEixos_Click(); });
    connect(ApagarGráfico, &QToolButton::clicked, this, [this] { ApagarGráfico_Click(); });
    connect(EixosRad, &QToolButton::clicked, this, [this] { EixosRad_Click(); });
    connect(DesenharGráfico, &QToolButton::clicked, this, [this] { DesenharGráfico_Click(); });
    connect(CorDoGráfico, &QToolButton::clicked, this, [this] { CorDoGráfico_Click(); });
    connect(CorDoFundo, &QToolButton::clicked, this, [this] { CorDoFundo_Click(); });
    connect(CorDosEixos, &QToolButton::clicked, this, [this] { CorDosEixos_Click(); });
    connect(EspessuraEixos, &QToolButton::clicked, this, [this] { EspessuraEixos_Click(); });
    connect(EspessuraGráfico, &QToolButton::clicked, this, [this] { EspessuraGráfico_Click(); });
    connect(GuardarGráfico, &QToolButton::clicked, this, [this] { GuardarGráfico_Click(); });
    connect(CopiarGráfico, &QToolButton::clicked, this, [this] { CopiarGráfico_Click(); });
    connect(HScroll1, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(VScroll1, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(Picture1, &canvas::PictureArea::resized, this, [this] { Picture1_Resize(); });
    connect(FrameEixos, &platform::Frame::mouseDown, this, [this](int b) { FrameEixos_MouseDown(b); });
    connect(FrameGráfico, &platform::Frame::mouseDown, this, [this](int b) { FrameGráfico_MouseDown(b); });
}

}  // namespace plotaris
