// The parametric window: its layout, the default ellipse, the filter on y, the counters that
// take each computed point, and the messages.
#include <QLabel>

#include "canvas/counted_loop.h"
#include "platform/frame.h"
#include "platform/mouse_pointer.h"
#include "tests/curves/curve_window_fixture.h"
#include "tests/support/drawing_clock.h"

namespace plotaris::testing {

namespace {

const QString kHeading = QStringLiteral("Erro na expressão analítica:\n\n");

}  // namespace

TEST_F(Form4Test, OpensWithItsLayoutAndDefaults) {
    EXPECT_EQ(form->Label1->text(), QStringLiteral("EQUAÇÕES PARAMÉTRICAS"));
    platform::Frame* equations = form->Frame1[3];
    ASSERT_NE(equations, nullptr);
    EXPECT_EQ(equations->objectName(), QStringLiteral("Frame1(3)"));
    EXPECT_EQ(equations->title(), QStringLiteral("Equações paramétricas"));
    EXPECT_EQ(equations->geometry(), QRect(660, 60, 349, 255));
    EXPECT_EQ(form->Frame1[0]->geometry(), QRect(660, 608, 349, 97));
    EXPECT_EQ(form->ParamétricaX->text(), QStringLiteral("2cos(t)"));
    EXPECT_EQ(form->ParamétricaY->text(), QStringLiteral(" 3sen(t)"));
    EXPECT_EQ(form->ParamétricaY->geometry(), QRect(112, 68, 169, 21));
    EXPECT_EQ(form->ParamétricaY->toolTip(), QStringLiteral("Escreva aqui uma das equações."));
    EXPECT_EQ(form->InícioParamétricas->text(), QStringLiteral("-pi"));
    EXPECT_EQ(form->FinalParamétricas->text(), QStringLiteral("pi"));
    EXPECT_EQ(form->Line12->geometry().left(), 80);
    EXPECT_EQ(form->Combo1->currentIndex(), -1);
    EXPECT_EQ(form->Combo1->currentText(), QStringLiteral("     Funções pré-definidas     "));
    EXPECT_EQ(form->DesenharParamétricas->objectName(), QStringLiteral("DesenharParamétricas"));
    EXPECT_EQ(form->DesenharParamétricas->geometry(), QRect(16, 36, 49, 49));
}

// The ellipse (2 cos t, 3 sin t); the leading blank of " 3sen(t)" reaches the evaluator and does
// no harm. The counters keep the last point computed.
TEST_F(Form4Test, DefaultsDrawAnEllipse) {
    form->DesenharParamétricas->click();
    EXPECT_TRUE(dialogs.messages.empty());
    for (double t = -3; t <= 3; t += 0.5) EXPECT_TRUE(near(2 * std::cos(t), 3 * std::sin(t), kCurveBlue)) << t;
    EXPECT_EQ(at(0.5, 0.5), kWhite);
    const double last = canvas::countedLoop(-M_PI, M_PI, 0.001, [](double) {}) - 0.001;
    EXPECT_NEAR(form->frame.PontoX, 2 * std::cos(last), 1e-9);
    EXPECT_NEAR(form->frame.PontoY, 3 * std::sin(last), 1e-9);
    EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Default);
}

// Only points with y strictly between -8 and 8 are drawn; x is not tested.
TEST_F(Form4Test, PointsWithYOfEightOrMoreAreLeftOut) {
    const QImage frame = image();
    form->ParamétricaX->setText(QStringLiteral("t"));
    for (const char* outside : {"8", "-8", "9"}) {
        form->ParamétricaY->setText(QString::fromUtf8(outside));
        form->DesenharParamétricas_Click();
        EXPECT_EQ(image(), frame) << outside;
    }
    form->ParamétricaY->setText(QStringLiteral("7.99"));
    form->DesenharParamétricas_Click();
    for (double x = -3; x <= 3; x += 0.25) EXPECT_EQ(at(x, 7.99), kCurveBlue) << x;
    EXPECT_EQ(at(3.3, 7.99), kWhite);

    // The line y = -3t + 2 shows from t = -2 on, where y falls below 8.
    form->ParamétricaX->setText(QStringLiteral("2t-3"));
    form->ParamétricaY->setText(QStringLiteral("-3t+2"));
    form->DesenharParamétricas_Click();
    EXPECT_TRUE(near(2 * -1.9 - 3, -3 * -1.9 + 2, kCurveBlue));
    EXPECT_TRUE(near(2 * 1.0 - 3, -3 * 1.0 + 2, kCurveBlue));
    EXPECT_TRUE(dialogs.messages.empty());
}

// PontoX and PontoY take each point computed, drawn or not; the next drawing's range reads
// PontoX, until a frame is drawn again.
TEST_F(Form4Test, TheCountersCarryTheLastPointToTheNextRange) {
    form->ParamétricaX->setText(QStringLiteral("10"));
    form->ParamétricaY->setText(QStringLiteral("9"));
    form->InícioParamétricas->setText(QStringLiteral("0"));
    form->FinalParamétricas->setText(QStringLiteral("1"));
    form->DesenharParamétricas_Click();
    EXPECT_EQ(form->frame.PontoX, 10);
    EXPECT_EQ(form->frame.PontoY, 9);

    form->ParamétricaX->setText(QStringLiteral("t"));
    form->ParamétricaY->setText(QStringLiteral("t"));
    form->InícioParamétricas->setText(QStringLiteral("x-10"));
    form->FinalParamétricas->setText(QStringLiteral("x-9"));
    form->DesenharParamétricas_Click();
    EXPECT_TRUE(near(0.5, 0.5, kCurveBlue));
    EXPECT_FALSE(near(1.5, 1.5, kCurveBlue));
    EXPECT_NEAR(form->frame.PontoX, 1, 0.001);

    form->Apagar_Click();
    EXPECT_EQ(form->frame.PontoX, 11);
    EXPECT_EQ(form->frame.PontoY, 11);
}

// A failure ends the drawing with the window's heading; the counters keep what was computed.
TEST_F(Form4Test, AFailureKeepsThePointsAndTheCountersComputedBeforeIt) {
    // int(t) is -1 from t = -1 and 0 from about t = 0.0004, where the division fails.
    form->ParamétricaX->setText(QStringLiteral("t"));
    form->ParamétricaY->setText(QStringLiteral("1/int(t)"));
    form->DesenharParamétricas_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(kHeading));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Plotaris"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::None);
    EXPECT_EQ(at(-0.5, -1), kCurveBlue);
    EXPECT_EQ(at(0.5, -1), kWhite);
    // x of the failing sample, y of the one before.
    EXPECT_GT(form->frame.PontoX, 0);
    EXPECT_LT(form->frame.PontoX, 0.001);
    EXPECT_EQ(form->frame.PontoY, -1);
    EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Default);

    // Failing in x: both counters keep the sample before.
    form->ParamétricaX->setText(QStringLiteral("1/int(t)"));
    form->ParamétricaY->setText(QStringLiteral("t"));
    form->DesenharParamétricas_Click();
    EXPECT_EQ(form->frame.PontoX, -1);
    EXPECT_LT(form->frame.PontoY, 0);
    EXPECT_GT(form->frame.PontoY, -0.001);
}

TEST_F(Form4Test, EitherEquationBlankAsksForBothWithAPlainMessage) {
    const QImage frame = image();
    form->InícioParamétricas->setText(QStringLiteral("1/0"));  // not evaluated
    const std::pair<const char*, const char*> equations[] = {{"", "t"}, {"t", "  "}, {" ", ""}};
    for (const auto& [x, y] : equations) {
        dialogs.messages.clear();
        form->ParamétricaX->setText(QString::fromUtf8(x));
        form->ParamétricaY->setText(QString::fromUtf8(y));
        form->DesenharParamétricas_Click();
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Escreva as duas equações ou seleccione as pré-definidas."));
        EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Plotaris"));
        EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::None);
        EXPECT_EQ(image(), frame);
    }
}

// Coordinates too large for the canvas are left out silently, and still reach the counters.
TEST_F(Form4Test, CoordinatesBeyondTheCanvasAreLeftOut) {
    const QImage frame = image();
    form->ParamétricaX->setText(QStringLiteral("10^300"));
    form->ParamétricaY->setText(QStringLiteral("0"));
    form->DesenharParamétricas_Click();
    form->ParamétricaX->setText(QStringLiteral("50"));
    form->DesenharParamétricas_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(image(), frame);
    EXPECT_EQ(form->frame.PontoX, 50);
}

// From 2^44 on, adding 0.001 no longer changes t: one sample, and the drawing ends.
TEST_F(Form4Test, ACounterThatStopsChangingEndsTheDrawing) {
    form->ParamétricaX->setText(QStringLiteral("1"));
    form->ParamétricaY->setText(QStringLiteral("1"));
    form->InícioParamétricas->setText(QStringLiteral("2^44"));
    form->FinalParamétricas->setText(QStringLiteral("2^44+1"));
    form->DesenharParamétricas_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(count(kCurveBlue), 1);

    form->InícioParamétricas->setText(QStringLiteral("-10^300"));
    form->FinalParamétricas->setText(QStringLiteral("10^300"));
    form->DesenharParamétricas_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kHeading + QStringLiteral("O intervalo de t é demasiado largo: o desenho teria "
                                                                  "mais de dez mil milhões de pontos."));
}

// Ten million samples, on the frame only for the last few: drawn whole, to the end at (1, 1). The
// clock stands still: whether ten seconds are enough depends on the machine.
TEST_F(Form4Test, ALongRangeIsDrawnWhole) {
    const StoppedClock clock;
    form->ParamétricaX->setText(QStringLiteral("t-9999"));
    form->ParamétricaY->setText(QStringLiteral("1"));
    form->InícioParamétricas->setText(QStringLiteral("0"));
    form->FinalParamétricas->setText(QStringLiteral("10000"));
    form->DesenharParamétricas_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(near(1, 1, kCurveBlue));
    EXPECT_TRUE(near(-9, 1, kCurveBlue));
}

}  // namespace plotaris::testing
