// Form4's controls at their places, with their captions, texts, tooltips, fonts and colours, and
// the events that reach its handlers.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "curves/form4.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/frame.h"
#include "platform/twips.h"

namespace plotaris {

using platform::label;
using platform::textBox;

namespace {

QLabel* equationName(QWidget* parent, const char* name, const QString& text, int left, int top) {
    QLabel* l = label(parent, name, text, left, top, 270, 195);
    l->setFont(platform::windowFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    platform::setTextColour(l, QColor(0, 0, 255));
    return l;
}

}  // namespace

void Form4::buildControls() {
    buildHeading(QStringLiteral("EQUAÇÕES PARAMÉTRICAS"), 1800, 180, 6165, 600);

    QWidget* f = buildEquationFrame(3, QStringLiteral("Equações paramétricas"), 9900, 900, 5235, 3825);
    Label15 = label(f, "Label15", QStringLiteral("Equações:"), 300, 900, 765, 195);
    // A blue bar joining the two equation rows.
    Line12 = new QWidget(f);
    Line12->setObjectName(QStringLiteral("Line12"));
    Line12->setGeometry(platform::twipsToPixels(1200), platform::twipsToPixels(600), 1,
                        platform::twipsToPixels(1380 - 600) + 1);
    Line12->setAutoFillBackground(true);
    QPalette blue = Line12->palette();
    blue.setColor(QPalette::Window, QColor(0, 0, 255));
    Line12->setPalette(blue);
    Label16 = equationName(f, "Label16", QStringLiteral("x ="), 1320, 660);
    ParamétricaX = textBox(f, "ParamétricaX", QStringLiteral("2cos(t)"),
                           QStringLiteral("Escreva aqui uma das equações."), 1680, 600, 2535, 315);
    Label17 = equationName(f, "Label17", QStringLiteral("y ="), 1320, 1080);
    ParamétricaY = textBox(f, "ParamétricaY", QStringLiteral(" 3sen(t)"),
                           QStringLiteral("Escreva aqui uma das equações."), 1680, 1020, 2535, 315);
    Label10 = label(f, "Label10", QStringLiteral("Desenhar entre"), 240, 1800, 1095, 195);
    InícioParamétricas =
        textBox(f, "InícioParamétricas", QStringLiteral("-pi"),
                QStringLiteral("Indique o valor mínimo a ser atribuido à variável."), 1680, 1740, 915, 315);
    InícioParamétricas->setAlignment(Qt::AlignHCenter);
    Label13 = label(f, "Label13", QStringLiteral("e"), 2940, 1800, 90, 195);
    FinalParamétricas =
        textBox(f, "FinalParamétricas", QStringLiteral("pi"),
                QStringLiteral("Indique o valor máximo a ser atribuido à variável."), 3540, 1740, 915, 315);
    FinalParamétricas->setAlignment(Qt::AlignHCenter);
    Label7 = label(f, "Label7", QStringLiteral("Pode alterar os valores."), 180, 2400, 2535, 240);
    Label7->setAlignment(Qt::AlignHCenter);
    Label8 = label(f, "Label8", QStringLiteral("A variável tem de ser t."), 2760, 2400, 2400, 240);
    for (QLabel* l : f->findChildren<QLabel*>()) platform::fitLabelToText(l);
    buildCurveList(f, 1080, 3060, 3075, 405);

    DesenharParamétricas =
        buildOptions("DesenharParamétricas", 9900, 9120, 5235, 1455, 540, {240, 1245, 2250, 3255, 4260});

    connect(DesenharParamétricas, &QToolButton::clicked, this, [this] { DesenharParamétricas_Click(); });
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
}

}  // namespace plotaris
