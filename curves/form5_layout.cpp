// Form5's controls at their places, with their captions, tooltips, fonts and colours, and the
// events that reach its handlers.
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

#include "canvas/picture_area.h"
#include "canvas/pictures.h"
#include "curves/form5.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/frame.h"
#include "platform/twips.h"
#include "shell/window_menu.h"

namespace plotaris {

namespace {

const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);

QFont boldControlFont() { return platform::windowFont(QStringLiteral("MS Sans Serif"), 8.25, true); }

// A frame whose caption is blue, in the bold control font.
platform::Frame* blueFrame(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                             int height) {
    platform::Frame* frame = platform::optionFrame(parent, name, caption, left, top, width, height);
    frame->setFont(boldControlFont());
    frame->setCaptionColour(kBlue);
    return frame;
}

// A label that sizes itself to its caption from its place's top-left corner. Given a width, a
// caption wider than that in the fonts standing in for the window's own is narrowed to fit.
QLabel* fittedLabel(QWidget* parent, const char* name, const QString& caption, int left, int top, const QColor& colour,
                    QFont font, int widthTwips = 0) {
    QLabel* label = platform::label(parent, name, caption, left, top, 0, 0);
    const int room = platform::twipsToPixels(widthTwips);
    const int natural = QFontMetrics(font).horizontalAdvance(caption);
    if (room > 0 && natural > room) font.setStretch(std::max(50, 100 * room / natural));
    label->setFont(font);
    platform::setTextColour(label, colour);
    label->adjustSize();
    return label;
}

using Handler = void (Form5::*)();

struct FamilyButton {
    const char* name;
    Handler click;
};

// A family frame and what it holds: the family's formula and its five buttons.
struct FamilyFrame {
    platform::Frame* Form5::*frame;
    const char* name;
    const char* caption;
    int top;
    const char* equationLabel;
    const char* formulaLabel;
    const char* formula;
    int formulaWidth;
    const char* valuesLabel;
    FamilyButton buttons[5];
};

const FamilyFrame kFamilyFrames[] = {
    {&Form5::FrmEspiralSinusoidal, "FrmEspiralSinusoidal", "Espiral sinusoidal", 2160, "Label6", "Label2",
     "r^n = 2a^n cos(nt)", 1575, "Label8",
     {{"DesEspiralSin1", &Form5::DesEspiralSin1_Click},
      {"DesEspiralSin2", &Form5::DesEspiralSin2_Click},
      {"DesEspiralSin3", &Form5::DesEspiralSin3_Click},
      {"DesEspiralSin4", &Form5::DesEspiralSin4_Click},
      {"DesEspiralSin5", &Form5::DesEspiralSin5_Click}}},
    {&Form5::FrmRosáciaValn, "FrmRosáciaValn", "Rosácea", 3960, "Label9", "Label4", "r = a sen (nt)", 1110, "Label12",
     {{"DesRosáciaN1", &Form5::DesRosáciaN1_Click},
      {"DesRosáciaN2", &Form5::DesRosáciaN2_Click},
      {"DesRosáciaN3", &Form5::DesRosáciaN3_Click},
      {"DesRosáciaN4", &Form5::DesRosáciaN4_Click},
      {"DesRosáciaN5", &Form5::DesRosáciaN5_Click}}},
    {&Form5::Frame3, "Frame3", "Concóide da rosácea", 5760, "Label10", "Label5", "r = a (1 + e cos(nt))", 1665, "Label13",
     {{"ConcoideRosacean", &Form5::ConcoideRosacean_Click},
      {"ConcoideRosacean2", &Form5::ConcoideRosacean2_Click},
      {"ConcoideRosacean3", &Form5::ConcoideRosacean3_Click},
      {"ConcoideRosacean4", &Form5::ConcoideRosacean4_Click},
      {"ConcoideRosacean5", &Form5::ConcoideRosacean5_Click}}},
    {&Form5::Frame5, "Frame5", "Folióide", 7560, "Label11", "Label7",
     "r =a (e* cos(2t) + Sqr(1 - e^2 *(sen(2t)) ^2))", 3690, "Label14",
     {{"Folioiden", &Form5::Folioiden_Click},
      {"Folioiden2", &Form5::Folioiden2_Click},
      {"Folioiden3", &Form5::Folioiden3_Click},
      {"Folioiden4", &Form5::Folioiden4_Click},
      {"Folioiden5", &Form5::Folioiden5_Click}}},
};

const char* const kButtonCaptions[5] = {"n", "n/2", "n/3", "n/4", "n/5"};
constexpr int kButtonLefts[5] = {1680, 2415, 3150, 3885, 4620};

// The grid, row by row: the pictures' and the captions' top-left corners in FrameDesenhos.
constexpr int kPictureLefts[3] = {240, 3480, 6720};
constexpr int kPictureTops[3] = {360, 3390, 6420};
constexpr int kCaptionLefts[3] = {1320, 4560, 7920};
constexpr int kCaptionTops[3] = {2940, 6000, 9060};
constexpr int kPictureSide = 2500;

QString indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QString::fromUtf8(name)).arg(i); }

}  // namespace

void Form5::buildControls() {
    QWidget* w = client();
    w->setFont(platform::controlFont());

    Label1 = fittedLabel(w, "Label1", QStringLiteral("FUNÇÕES ESPECIAIS"), 2400, 240, kRed,
                         platform::windowFont(QStringLiteral("Comic Sans MS"), 21.75, true));

    FrameDesenhos = platform::optionFrame(w, "FrameDesenhos", QString(), 120, 1080, 9465, 9465);
    for (int i = 0; i < 9; ++i) {
        const int row = i / 3, column = i % 3;
        Picture2[i] = new canvas::PictureArea(FrameDesenhos);
        Picture2[i]->setObjectName(indexed("Picture2", i));
        Picture2[i]->placeTwips(kPictureLefts[column], kPictureTops[row], kPictureSide, kPictureSide);
        Label3[i] = fittedLabel(FrameDesenhos, "", QStringLiteral("n"), kCaptionLefts[column], kCaptionTops[row],
                                Qt::black, platform::controlFont());
        Label3[i]->setObjectName(indexed("Label3", i));
        QPalette palette = Label3[i]->palette();
        palette.setColor(QPalette::Window, Qt::white);
        Label3[i]->setPalette(palette);
        Label3[i]->setAutoFillBackground(true);
    }

    Frame2 = platform::optionFrame(w, "Frame2", QString(), 9660, 120, 5475, 1575);
    Image1 = platform::label(Frame2, "Image1",
                             QStringLiteral("Algumas funções têm gráficos particularmente\n"
                                            "interessantes quando variam certos valores.\n"
                                            "Pode ver aqui alguns exemplos."),
                             180, 300, 5055, 1095);
    Image1->setFont(platform::windowFont(QStringLiteral("Comic Sans MS"), 9.75, true));
    platform::setTextColour(Image1, kBlue);

    buildFamilyFrames();

    Frame1 = blueFrame(w, "Frame1", QStringLiteral("Opções"), 9660, 9360, 5475, 1155);
    Apagar = platform::toolButton(Frame1, "Apagar", QStringLiteral("Apagar"), QStringLiteral("Apagar a janela de desenho."),
                                  780, 300, 735, 735, canvas::buttonPicture(canvas::ButtonPicture::Erase));
    CorGráfico = platform::toolButton(Frame1, "CorGráfico", QStringLiteral("Cor gráfico"),
                                      QStringLiteral("Escolher a cor dos gráficos."), 2340, 300, 735, 735,
                                      canvas::buttonPicture(canvas::ButtonPicture::GraphColour));
    CorFundo = platform::toolButton(Frame1, "CorFundo", QStringLiteral("Cor fundo"),
                                    QStringLiteral("Escolher a cor do fundo da janela de desenho."), 3900, 300, 735, 735,
                                    canvas::buttonPicture(canvas::ButtonPicture::BackColour));

    Expressão = platform::textBox(w, "Expressão", QString(), QString(), 7440, 420, 2775, 315);
    Expressão->hide();

    installWindowMenu(*this);
}

void Form5::buildFamilyFrames() {
    for (const FamilyFrame& f : kFamilyFrames) {
        platform::Frame* frame = blueFrame(client(), f.name, QString::fromUtf8(f.caption), 9660, f.top, 5475, 1545);
        this->*f.frame = frame;
        fittedLabel(frame, f.equationLabel, QStringLiteral("Equação:"), 240, 480, kBlue, platform::controlFont());
        fittedLabel(frame, f.formulaLabel, QString::fromUtf8(f.formula), 1320, 480, kRed, boldControlFont(), f.formulaWidth);
        fittedLabel(frame, f.valuesLabel, QStringLiteral("Valores de n:"), 240, 1080, kBlue, platform::controlFont());
        for (int b = 0; b < 5; ++b) {
            QToolButton* button = platform::toolButton(frame, f.buttons[b].name, QString::fromUtf8(kButtonCaptions[b]),
                                                       QStringLiteral("Faça clique para desenhar."), kButtonLefts[b],
                                                       1020, 495, 315);
            button->setFont(platform::controlFont());
            connect(button, &QToolButton::clicked, this, [this, click = f.buttons[b].click] { (this->*click)(); });
        }
    }
}

void Form5::connectHandlers() {
    connect(Apagar, &QToolButton::clicked, this, [this] { Apagar_Click(); });
    connect(CorGráfico, &QToolButton::clicked, this, [this] { CorGráfico_Click(); });
    connect(CorFundo, &QToolButton::clicked, this, [this] { CorFundo_Click(); });
}

}  // namespace plotaris
