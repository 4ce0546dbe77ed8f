// Form2's option frame "Desenhar linha": the abscissa of the lines to the sections, the two points
// of the free segment, and the style, width and colour of the extra lines.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "canvas/pictures.h"
#include "cartesian/form2.h"
#include "platform/controls.h"
#include "platform/frame.h"
#include "platform/image_combo.h"
#include "platform/twips.h"

namespace plotaris {

namespace {

// The point boxes and the labels that frame them: "(" IniX "," IniY ")" "e" "(" FimX "," FimY ")".
struct PointLabel {
    const char* name;
    const char* caption;
    int left;
};
constexpr PointLabel kPointLabels[] = {
    {"Label30", "(", 2160}, {"Label29", ",", 2640}, {"Label28", ")", 3120}, {"Label27", "e", 3300},
    {"Label26", "(", 3480}, {"Label25", ",", 3960}, {"Label24", ")", 4440},
};

QLineEdit* pointBox(QWidget* parent, const char* name, const char* tip, int left) {
    return platform::textBox(parent, name, QString(), QString::fromUtf8(tip), left, 1380, 315, 315);
}

}  // namespace

void Form2::buildFrameDesenharLinha() {
    FrameDesenharLinha = newOptionFrame("FrameDesenharLinha", QStringLiteral("Desenhar linha"));
    QWidget* d = FrameDesenharLinha;

    QLabel* label32 = platform::label(d, "Label32", QStringLiteral("No ponto de abcissa"), 480, 600, 1470, 195);
    QLabel* label5 = platform::label(d, "Label5", QStringLiteral("(se existir função)"), 540, 840, 1230, 195);
    Abcissa = platform::textBox(d, "Abcissa", QString(), QStringLiteral("Escreva aqui o valor da abcissa do ponto."), 2400,
                                600, 675, 315);
    auto* line7 = new QFrame(d);
    line7->setObjectName(QStringLiteral("Line7"));
    line7->setFrameShape(QFrame::VLine);
    line7->setFrameShadow(QFrame::Plain);
    line7->setGeometry(platform::twipsRect(3420, 420, 15, 660));
    Vertical = platform::checkBox(d, "Vertical", QStringLiteral("vertical"),
                                  QStringLiteral("Valide esta opção para ser desenhada a linha vertical."), true, 3660, 420,
                                  1035, 255);
    Horizontal = platform::checkBox(d, "Horizontal", QStringLiteral("horizontal"),
                                    QStringLiteral("Valide esta opção para ser desenhada a linha horizontal."), true, 3660,
                                    780, 1035, 255);

    QLabel* label31 = platform::label(d, "Label31", QStringLiteral("Entre os pontos"), 780, 1440, 1110, 195);
    useNarrowFace({label32, label5, label31, Vertical, Horizontal});
    IniX = pointBox(d, "IniX", "Escreva aqui a abcissa do primeiro ponto.", 2280);
    IniY = pointBox(d, "IniY", "Escreva aqui a ordenada do primeiro ponto.", 2760);
    FimX = pointBox(d, "FimX", "Escreva aqui a abcissa do segundo ponto.", 3600);
    FimY = pointBox(d, "FimY", "Escreva aqui a ordenada do segundo ponto.", 4080);
    for (const PointLabel& l : kPointLabels)
        platform::label(d, l.name, QString::fromUtf8(l.caption), l.left, 1440, 120, 195)->setAlignment(Qt::AlignCenter);

    TipoLinha = platform::toolButton(
        d, "TipoLinha", QStringLiteral("Tipo da linha"),
        QStringLiteral("Prima este botão para seleccionar o tipo de linha (tracejados apenas com a espessura mínima) ."),
        540, 1980, 1275, 495);
    ImageCombo1 = platform::imageCombo(d, "ImageCombo1",
                                       QStringLiteral("Seleccione aqui o tipo de traço para o desenho das linhas."), 2940,
                                       2025, 1995, 330);
    EspessuraLinha = platform::toolButton(d, "EspessuraLinha", QStringLiteral("Espessura da linha"),
                                          QStringLiteral("Prima este botão para seleccionar a espessura da linha."), 540,
                                          2610, 1275, 495);
    ImageCombo2 = platform::imageCombo(
        d, "ImageCombo2", QStringLiteral("Seleccione aqui a espessura da linha com que serão desenhadas as linhas."), 2940,
        2655, 1995, 330);
    CorDasLinhas = platform::toolButton(d, "CorDasLinhas", QStringLiteral("Cor da linha"),
                                        QStringLiteral("Escolher a cor com que as linhas são desenhadas."), 540, 3240, 1275,
                                        495);
    Label48 = platform::colourSample(d, "Label48", QStringLiteral("Esta janela mostra a cor com que as linhas são desenhadas."),
                                     2940, 3300, 1995, 375);
    platform::showColourSample(Label48, QColor(0, 0, 255));
    DesenharLinhas = platform::toolButton(d, "DesenharLinhas", QStringLiteral("Desenhar"), QStringLiteral("Desenhar a linha."),
                                          780, 4140, 735, 735, canvas::buttonPicture(canvas::ButtonPicture::Draw));
    Command6 = platform::toolButton(d, "Command6", QStringLiteral("Fechar esta janela"), QString(), 2580, 4680, 2535, 255);
}

}  // namespace plotaris
