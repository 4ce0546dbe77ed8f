// The four section frames of Form2, built from the table of the family: each frame holds the same
// controls with the same defaults and tooltips, each named as element i of its control array.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QToolButton>

#include "cartesian/form2.h"
#include "cartesian/form2_sections.h"
#include "platform/controls.h"
#include "platform/frame.h"
#include "platform/twips.h"
#include "platform/up_down.h"

namespace plotaris {

namespace {

constexpr int kLeftPartTop = 180, kLimitWidth = 495, kLimitHeight = 285;
constexpr int kStepperWidth = 255, kStepperHeight = 315;
constexpr int kOptionWidth = 1215, kOptionHeight = 255;

// The name of element i of a control array: "Xmín(2)".
QByteArray element(const char* array, int i) { return QByteArray(array) + '(' + QByteArray::number(i) + ')'; }

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

// A limit box with its caption on its left and its stepper on its right.
QLineEdit* limitBox(QWidget* part, const char* array, const char* caption, const char* stepper, int i,
                    const QString& boxTip, const QString& stepperTip, int left, int top, platform::UpDown*& upDown) {
    platform::label(part, element(QByteArray("Label") + array, i).constData(), text(caption), 0, top + 30, left,
                    kLimitHeight);
    QLineEdit* box = platform::textBox(part, element(array, i).constData(), QString(), boxTip, left, top, kLimitWidth,
                                       kLimitHeight);
    upDown = platform::upDown(part, QString::fromUtf8(element(stepper, i)), stepperTip, left + kLimitWidth,
                              top - (kStepperHeight - kLimitHeight) / 2, kStepperWidth, kStepperHeight);
    return box;
}

struct EndControls {
    QRadioButton *open, *closed, *none;
    QCheckBox* coordinates;
};

// The balls and the coordinate-line switch of one end ("Esq" or "Dir"), in its part of the frame.
EndControls endControls(QWidget* part, const char* side, const char* word, const char* closedTipVerb, int left, int i) {
    const auto name = [&](const char* array) { return element((QByteArray(array) + side).constData(), i); };
    const QString end = text(word);
    EndControls c;
    c.open = platform::optionButton(part, name("Aberta").constData(), QStringLiteral("bola aberta"),
                                    QStringLiteral("Valide esta opção para o troço ter uma bola aberta à ") + end + '.',
                                    true, left, 120, kOptionWidth, kOptionHeight);
    c.closed = platform::optionButton(part, name("Fechada").constData(), QStringLiteral("bola fechada"),
                                      text(closedTipVerb) + QStringLiteral(" para o troço ter uma bola fechada à ") + end +
                                          '.',
                                      false, left, 440, kOptionWidth, kOptionHeight);
    c.none = platform::optionButton(part, name("SemBola").constData(), QStringLiteral("sem bola"),
                                    QStringLiteral("Valide esta opção para o troço não ter qualquer bola à ") + end + '.',
                                    false, left, 760, kOptionWidth, kOptionHeight);
    c.coordinates = platform::checkBox(part, name("Coord").constData(), QStringLiteral("linha coord."),
                                       QStringLiteral("Valide esta caixa para serem desenhadas linhas coordenadas."),
                                       true, left, 1080, kOptionWidth, kOptionHeight);
    return c;
}

}  // namespace

void Form2::buildTroço(int i) {
    const TroçoMember& m = kTroços[size_t(i - 1)];
    TroçoControls& t = troço(i);
    const QString ordinal = text(m.ordinal);

    t.Troço = platform::optionFrame(client(), element("Troço", i).constData(), QStringLiteral("Troço %1").arg(i), 9840,
                                    (i - 1) * 2580, 5235, 2535);
    platform::label(t.Troço, element("Label3", i).constData(), QStringLiteral("y ="), 240, 360, 285, 240)
        ->setFont(platform::frameCaptionFont());
    t.Troço1 = platform::textBox(
        t.Troço, element("Troço1", i).constData(), text(m.expression),
        QStringLiteral("Escreva aqui a expressão analítica do ") + ordinal + QStringLiteral(" troço da função."), 600, 300,
        4275, 315);

    platform::Frame* between = platform::optionFrame(t.Troço, element("FrameEntre", i).constData(),
                                                     QStringLiteral("Gráfico da função entre..."), 60, 720, 5115, 1575);
    // The two parts are borderless: each holds one group of option buttons.
    QWidget* left = new QWidget(between);
    left->setObjectName(QString::fromUtf8(element("ParteEsquerda", i)));
    left->setGeometry(platform::twipsRect(60, kLeftPartTop, 2415, 1335));
    QWidget* right = new QWidget(between);
    right->setObjectName(QString::fromUtf8(element("ParteDireita", i)));
    right->setGeometry(platform::twipsRect(2580, kLeftPartTop, 2475, 1335));

    t.Xmín = limitBox(left, "Xmín", "Xmín", "UpDownXmi", i, QStringLiteral("Inscreva aqui o valor mínimo da abcissa do troço."),
                      QStringLiteral("Alterar o valor mínimo de x"), 420, 300, t.UpDownXmi);
    t.Ymín = limitBox(left, "Ymín", "Ymín", "UpDownYmi", i,
                      QStringLiteral("Escreva aqui o valor mínimo da ordenada do ") + ordinal +
                          QStringLiteral(" troço da função."),
                      QStringLiteral("Alterar o valor mínimo de y"), 420, m.yminTop, t.UpDownYmi);
    t.Xmáx = limitBox(right, "Xmáx", "Xmáx", "UpDownXma", i,
                      QStringLiteral("Inscreva aqui o valor máximo da abcissa do troço."),
                      QStringLiteral("Alterar o valor máximo de x"), 480, 300, t.UpDownXma);
    t.Ymáx = limitBox(right, "Ymáx", "Ymáx", "UpDownYma", i,
                      QStringLiteral("Escreva aqui o valor máximo da ordenada do ") + ordinal +
                          QStringLiteral(" troço da função."),
                      QStringLiteral("Alterar o valor máximo de y"), 480, 900, t.UpDownYma);
    t.Xmín->setText(text(m.xmin));
    t.Xmáx->setText(text(m.xmax));
    t.Ymín->setText(text(m.ymin));
    t.Ymáx->setText(text(m.ymax));

    const EndControls l = endControls(left, "Esq", "esquerda", "Valide esta opção", 1200, i);
    const EndControls r = endControls(right, "Dir", "direita", "Valide esta opão", 1260, i);
    t.AbertaEsq = l.open, t.FechadaEsq = l.closed, t.SemBolaEsq = l.none, t.CoordEsq = l.coordinates;
    t.AbertaDir = r.open, t.FechadaDir = r.closed, t.SemBolaDir = r.none, t.CoordDir = r.coordinates;
    useNarrowFaceWithin(left);
    useNarrowFaceWithin(right);

    QWidget* buttonParent = m.drawButtonOnWindow ? client() : static_cast<QWidget*>(t.Troço);
    t.DesenharTroço = platform::toolButton(buttonParent, ("DesenharTroço" + QByteArray::number(i)).constData(),
                                           QStringLiteral("Desenhar"), text(m.drawTip), m.drawLeft, m.drawTop, 2295, 195);
}

}  // namespace plotaris
