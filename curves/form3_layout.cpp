// Form3's controls at their places, with their captions, texts, tooltips, fonts and colours, and
// the events that reach its handlers.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "curves/form3.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/frame.h"

namespace plotaris {

using platform::label;
using platform::textBox;

void Form3::buildControls() {
    buildHeading(QStringLiteral("COORDENADAS POLARES"), 2100, 240, 5610, 600);

    QWidget* f = buildEquationFrame(2, QStringLiteral("Coordenadas polares"), 9900, 1080, 5235, 3285);
    Label20 = label(f, "Label20", QStringLiteral("Equação:"), 240, 720, 690, 195);
    Label54 = label(f, "Label54", QStringLiteral("r ="), 1140, 720, 270, 240);
    Label54->setFont(platform::windowFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    platform::setTextColour(Label54, QColor(0, 0, 255));
    EquaçãoPolares = textBox(f, "EquaçãoPolares", QStringLiteral("5sen(6t)"), QStringLiteral("Escreva aqui a equação."),
                             1440, 660, 3615, 315);
    EquaçãoPolares->setFont(platform::windowFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    Label11 = label(f, "Label11", QStringLiteral("Desenhar entre"), 240, 1320, 1095, 195);
    InícioPolares = textBox(f, "InícioPolares", QStringLiteral("-pi"),
                            QStringLiteral("Indique o valor mínimo a ser atribuido à variável."), 1740, 1260, 915, 315);
    InícioPolares->setAlignment(Qt::AlignHCenter);
    Label12 = label(f, "Label12", QStringLiteral("e"), 3060, 1320, 90, 195);
    FinalPolares = textBox(f, "FinalPolares", QStringLiteral("pi"),
                           QStringLiteral("Indique o valor máximo a ser atribuido à variável."), 3660, 1260, 915, 315);
    FinalPolares->setAlignment(Qt::AlignHCenter);
    Label6 = label(f, "Label6", QStringLiteral("Pode alterar os valores."), 120, 1920, 2535, 240);
    Label6->setAlignment(Qt::AlignHCenter);
    Label9 = label(f, "Label9", QStringLiteral("A variável tem de ser t."), 2700, 1920, 2400, 240);
    for (QLabel* l : f->findChildren<QLabel*>()) platform::fitLabelToText(l);
    buildCurveList(f, 1080, 2460, 3255, 405);

    DesenharPolares = buildOptions("DesenharPolares", 9840, 9420, 5355, 1155, 300, {180, 1245, 2310, 3375, 4440});

    connect(DesenharPolares, &QToolButton::clicked, this, [this] { DesenharPolares_Click(); });
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
}

}  // namespace plotaris
