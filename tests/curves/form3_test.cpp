// The polar window: its layout, the default rose, ranges evaluated with x = PontoX, the messages,
// and ranges that would never end.
#include <QLabel>

#include "platform/frame.h"
#include "platform/mouse_pointer.h"
#include "tests/curves/curve_window_fixture.h"
#include "tests/support/drawing_clock.h"

namespace plotaris::testing {

namespace {

const QString kHeading = QStringLiteral("Erro na expressão analítica:\n\n");
const QString kBlankMessage = QStringLiteral("Escreva a equação ou seleccione uma das pré-definidas.");

}  // namespace

TEST_F(Form3Test, OpensWithItsLayoutAndDefaults) {
    EXPECT_EQ(form->windowTitle(), QStringLiteral("PLOTARIS"));
    EXPECT_EQ(form->Label1->text(), QStringLiteral("COORDENADAS POLARES"));
    EXPECT_EQ(form->Label1->geometry(), QRect(140, 16, 374, 40));
    platform::Frame* equations = form->Frame1[2];
    ASSERT_NE(equations, nullptr);
    EXPECT_EQ(equations->objectName(), QStringLiteral("Frame1(2)"));
    EXPECT_EQ(equations->title(), QStringLiteral("Coordenadas polares"));
    EXPECT_EQ(equations->geometry(), QRect(660, 72, 349, 219));
    // The caption is blue, the labels inside are not.
    const QImage frame = equations->grab().toImage();
    int blue = 0;
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < frame.width(); ++x) blue += frame.pixel(x, y) == kCurveBlue;
    EXPECT_GT(blue, 20);
    EXPECT_EQ(form->Label20->palette().color(QPalette::WindowText),
              form->client()->palette().color(QPalette::WindowText));
    EXPECT_EQ(form->Frame1[0]->geometry(), QRect(656, 628, 357, 77));
    EXPECT_EQ(form->EquaçãoPolares->geometry(), QRect(96, 44, 241, 21));
    EXPECT_EQ(form->EquaçãoPolares->text(), QStringLiteral("5sen(6t)"));
    EXPECT_EQ(form->EquaçãoPolares->toolTip(), QStringLiteral("Escreva aqui a equação."));
    EXPECT_EQ(form->InícioPolares->text(), QStringLiteral("-pi"));
    EXPECT_EQ(form->FinalPolares->text(), QStringLiteral("pi"));
    EXPECT_EQ(form->FinalPolares->toolTip(), QStringLiteral("Indique o valor máximo a ser atribuido à variável."));
    EXPECT_EQ(form->Label9->text(), QStringLiteral("A variável tem de ser t."));
    EXPECT_EQ(form->Combo1->currentIndex(), -1);
    EXPECT_EQ(form->Combo1->currentText(), QStringLiteral("Funções pré-definidas"));
    EXPECT_EQ(form->DesenharPolares->objectName(), QStringLiteral("DesenharPolares"));
    EXPECT_EQ(form->DesenharPolares->geometry(), QRect(12, 20, 49, 49));
}

TEST_F(Form3Test, DefaultsDrawARoseOfTwelvePetalsOfRadiusFive) {
    form->DesenharPolares->click();
    EXPECT_TRUE(dialogs.messages.empty());
    for (int k = 0; k < 12; ++k) {
        const double tip = M_PI / 12 + k * M_PI / 6;
        EXPECT_TRUE(near(5 * std::cos(tip), 5 * std::sin(tip), kCurveBlue)) << k;
        // Between two petals, off the axes, the canvas stays white.
        if (k % 3 != 0) {
            EXPECT_EQ(at(4 * std::cos(k * M_PI / 6), 4 * std::sin(k * M_PI / 6)), kWhite) << k;
        }
    }
    // Nothing beyond the radius.
    int beyond = 0;
    for (int y = 0; y < image().height(); ++y)
        for (int x = 0; x < image().width(); ++x) {
            const QPointF p = canvas().toUser(QPointF(x + 0.5, y + 0.5));
            beyond += std::hypot(p.x(), p.y()) > 5.1 && image().pixel(x, y) == kCurveBlue;
        }
    EXPECT_EQ(beyond, 0);
    EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Default);
}

// The range boxes are evaluated with x set to PontoX, where the x graduation left it: 11 after a
// frame in units, 4 x 3.14159 after one in radians. The curve's own text sees that x too.
TEST_F(Form3Test, RangesReadTheXCounterOfTheFrame) {
    form->EquaçãoPolares->setText(QStringLiteral("6"));
    form->InícioPolares->setText(QStringLiteral("x-11"));
    form->FinalPolares->setText(QStringLiteral("x-11+pi/2"));
    form->DesenharPolares_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(near(6 * std::cos(0.7), 6 * std::sin(0.7), kCurveBlue));
    EXPECT_TRUE(near(6 * std::cos(1.5), 6 * std::sin(1.5), kCurveBlue));
    EXPECT_FALSE(near(6 * std::cos(2.0), 6 * std::sin(2.0), kCurveBlue));
    EXPECT_FALSE(near(6 * std::cos(-0.3), 6 * std::sin(-0.3), kCurveBlue));

    // In radians the same boxes give 1.566 to 3.137: the arc of the second quadrant.
    form->BotãoRadianos_Click();
    form->DesenharPolares_Click();
    EXPECT_TRUE(near(6 * std::cos(2.0), 6 * std::sin(2.0), kCurveBlue));
    EXPECT_FALSE(near(6 * std::cos(0.7), 6 * std::sin(0.7), kCurveBlue));

    // r = x - 5 is a circle of radius 6 after a frame in units.
    form->BotãoRadianos_Click();
    form->EquaçãoPolares->setText(QStringLiteral(" x-5 "));
    form->InícioPolares->setText(QStringLiteral("0"));
    form->FinalPolares->setText(QStringLiteral("2pi"));
    form->DesenharPolares_Click();
    EXPECT_TRUE(near(6 * std::cos(4.0), 6 * std::sin(4.0), kCurveBlue));
}

TEST_F(Form3Test, BlankEquationAsksForOneWithAPlainMessage) {
    const QImage frame = image();
    form->InícioPolares->setText(QStringLiteral("1/0"));  // not evaluated
    for (const char* blank : {"", "   "}) {
        dialogs.messages.clear();
        form->EquaçãoPolares->setText(QString::fromUtf8(blank));
        form->DesenharPolares_Click();
        ASSERT_EQ(dialogs.messages.size(), 1u) << blank;
        EXPECT_EQ(dialogs.messages[0].text, kBlankMessage);
        EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Plotaris"));
        EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::None);
        EXPECT_EQ(image(), frame);
    }
}

// A failure ends the drawing with the window's heading; the points drawn before it stay.
TEST_F(Form3Test, AFailureKeepsThePointsDrawnBeforeIt) {
    // int(t) is -1 from t = -1 and 0 from t = 0 on, where the division fails.
    form->EquaçãoPolares->setText(QStringLiteral("6/abs(int(t))"));
    form->DesenharPolares_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(kHeading));
    EXPECT_GT(dialogs.messages[0].text.size(), kHeading.size());
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Plotaris"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::None);
    EXPECT_TRUE(near(6 * std::cos(-0.5), 6 * std::sin(-0.5), kCurveBlue));
    EXPECT_FALSE(near(6 * std::cos(0.5), 6 * std::sin(0.5), kCurveBlue));
    EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Default);

    // A range box that fails draws nothing.
    form->Apagar_Click();
    form->EquaçãoPolares->setText(QStringLiteral("6"));
    form->FinalPolares->setText(QStringLiteral("pi/0"));
    form->DesenharPolares_Click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].text.startsWith(kHeading));
    EXPECT_EQ(count(kCurveBlue), 0);
}

TEST_F(Form3Test, AStartAboveTheEndDrawsNothingAndSaysNothing) {
    form->InícioPolares->setText(QStringLiteral("pi"));
    form->FinalPolares->setText(QStringLiteral("-pi"));
    form->DesenharPolares_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(count(kCurveBlue), 0);
}

// Coordinates too large for the canvas (beyond single precision) are left out, silently.
TEST_F(Form3Test, CoordinatesBeyondTheCanvasAreLeftOut) {
    const QImage frame = image();
    for (const char* huge : {"10^300", "-10^300", "10^38*t"}) {
        form->EquaçãoPolares->setText(QString::fromUtf8(huge));
        form->DesenharPolares_Click();
        EXPECT_TRUE(dialogs.messages.empty()) << huge;
        EXPECT_EQ(image(), frame) << huge;
    }
}

// From 2^41 on, adding 0.0001 no longer changes t: the drawing takes that one sample and ends.
TEST_F(Form3Test, ACounterThatStopsChangingEndsTheDrawing) {
    form->EquaçãoPolares->setText(QStringLiteral("5"));
    form->InícioPolares->setText(QStringLiteral("2^41"));
    form->FinalPolares->setText(QStringLiteral("2^41+1"));
    form->DesenharPolares_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(count(kCurveBlue), 1);
}

// A range of more samples than any drawing could take is refused at once; a long one that draws
// quickly is drawn whole.
TEST_F(Form3Test, OnlyAHopelessRangeIsRefused) {
    form->EquaçãoPolares->setText(QStringLiteral("5"));
    const std::pair<const char*, const char*> ranges[] = {{"-10^300", "10^300"}, {"-10^9", "10^9"}, {"0", "1000001"}};
    for (const auto& [start, end] : ranges) {
        dialogs.messages.clear();
        form->InícioPolares->setText(QString::fromUtf8(start));
        form->FinalPolares->setText(QString::fromUtf8(end));
        form->DesenharPolares_Click();
        ASSERT_EQ(dialogs.messages.size(), 1u) << start;
        EXPECT_EQ(dialogs.messages[0].text,
                  kHeading + QStringLiteral("O intervalo de t é demasiado largo: o desenho teria mais de dez mil "
                                            "milhões de pontos."));
        EXPECT_EQ(count(kCurveBlue), 0);
        EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Default);
    }
    // Ten million samples, on the frame only for the last few: the curve ends at radius 1. The
    // clock stands still: whether ten seconds are enough depends on the machine.
    const StoppedClock clock;
    dialogs.messages.clear();
    form->EquaçãoPolares->setText(QStringLiteral("t-1000"));
    form->InícioPolares->setText(QStringLiteral("0"));
    form->FinalPolares->setText(QStringLiteral("1001"));
    form->DesenharPolares_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(near(std::cos(1001.0), std::sin(1001.0), kCurveBlue));
}

// A drawing still running when its time is up stops with its message, keeping what it drew.
TEST_F(Form3Test, ADrawingTooLongStopsWithItsPointsKept) {
    const SecondPerReading clock;
    form->EquaçãoPolares->setText(QStringLiteral("5"));
    form->InícioPolares->setText(QStringLiteral("0"));
    form->FinalPolares->setText(QStringLiteral("100"));
    form->DesenharPolares_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              kHeading + QStringLiteral("O desenho é demasiado demorado: foi interrompido ao fim de dez segundos."));
    // t went up by a ten-thousandth until the time was up, just past 1.
    EXPECT_TRUE(near(5 * std::cos(1.0), 5 * std::sin(1.0), kCurveBlue));
    EXPECT_FALSE(near(5 * std::cos(1.1), 5 * std::sin(1.1), kCurveBlue));
    EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Default);
}

}  // namespace plotaris::testing
