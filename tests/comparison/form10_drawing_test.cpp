#include <QApplication>
#include <QLabel>
#include <QToolButton>

#include "canvas/counted_loop.h"
#include "evaluator/equation.h"
#include "platform/image_combo.h"
#include "platform/mouse_pointer.h"
#include "tests/comparison/form10_fixture.h"
#include "tests/support/drawing_clock.h"

namespace plotaris::testing {

namespace {

const QString kHeading = QStringLiteral("Erro na expressão analítica:\n\n");
const QRgb kBlue = kGraphColour[0];

}  // namespace

TEST_F(Form10Test, DefaultGraphOneIsACloudOfPointsOfXSquared) {
    form->graph(1).Desenhar->click();
    EXPECT_TRUE(dialogs.messages.empty());
    // Every 100th sample, computed as the drawing computes them: from -8 by 0.001.
    clsEquation reference;
    reference.Equation("x^2");
    int samples = 0, checked = 0;
    canvas::countedLoop(-8.0, 8.0, 0.001, [&](double x) {
        if (samples++ % 100 != 0) return;
        reference.Var("x", x);
        reference.Solve();
        const double y = reference.Solution();
        if (!(-8 < y && y < 8)) return;
        EXPECT_EQ(at(1, x, y), kBlue) << x;
        ++checked;
    });
    EXPECT_GE(samples, 16000);
    EXPECT_LE(samples, 16001);
    EXPECT_GT(checked, 50);
    // The points around the origin are drawn: y = 0 is not skipped.
    EXPECT_EQ(at(1, 0, 0), kBlue);
    // Nothing where x^2 >= 8.
    for (double x : {-3.0, 3.0, 5.0}) EXPECT_EQ(count(1, QRect(pixel(1, x, 0).x(), 0, 1, 320), kBlue), 0) << x;
    for (int n = 2; n <= 4; ++n) EXPECT_EQ(countAll(n, kBlue) + countAll(n, kGraphColour[n - 1]), 0) << n;
    EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Default);
}

TEST_F(Form10Test, ZeroIsDrawnAlongTheAxis) {
    draw(2, "0*x");
    const int row = pixel(2, 0, 0).y();
    for (int column = pixel(2, -8, 0).x(); column <= pixel(2, 8, 0).x(); ++column)
        ASSERT_EQ(at(2, QPoint(column, row)), kGraphColour[1]) << column;
    // The axis goes on beyond the range of x.
    EXPECT_EQ(at(2, -8.2, 0), kBlack);
    EXPECT_EQ(at(2, 8.2, 0), kBlack);
}

TEST_F(Form10Test, EmptyExpressionAsksForOneAndDrawsNothing) {
    const QImage axes = image(4).copy();
    QApplication::setActiveWindow(form);
    draw(4, "");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Deve escrever a expressão analítica da função que pretende representar graficamente."));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Comparar plotaris"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Information);
    EXPECT_EQ(image(4), axes);
    EXPECT_TRUE(form->graph(4).Função->hasFocus());
}

TEST_F(Form10Test, BlanksAreReportedInsteadOfDrawnAsZero) {
    const QImage axes = image(1).copy();
    draw(1, "   ");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              kHeading + QStringLiteral("A expressão analítica só tem espaços em branco: escreva a função que pretende "
                                        "representar graficamente."));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Plotaris"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::None);
    EXPECT_EQ(image(1), axes);
    EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Default);
}

TEST_F(Form10Test, LimitsThatAreNotPlainNumbersStopTheDrawingAtOnce) {
    // The axes evaluate -pi; the drawing converts the text and fails before any point.
    setAxes("-pi", "8");
    form->DesenharEixos_Click();
    ASSERT_TRUE(dialogs.messages.empty());
    EXPECT_NEAR(form->frame.ValorXmin, -3.14159265, 1e-8);
    const QImage axes = image(1).copy();
    EXPECT_EQ(at(1, pixel(1, 3, 0) + QPoint(0, -2)), kBlack);
    form->DesenharN_Click(1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kHeading + QStringLiteral("Tipos incompatíveis: \"-pi\" não é um número."));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Plotaris"));
    EXPECT_EQ(image(1), axes);
    EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Default);

    // The y limits are read at every point: a bad one fails at the first.
    dialogs.messages.clear();
    setAxes("-8", "8", "abc");
    form->DesenharN_Click(1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kHeading + QStringLiteral("Tipos incompatíveis: \"abc\" não é um número."));
    EXPECT_EQ(image(1), axes);
}

TEST_F(Form10Test, TheRangeComesFromTheTextsNotFromTheAxes) {
    const QImage axes = image(1).copy();
    setAxes("5", "2");
    form->DesenharN_Click(1);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(image(1), axes);
    EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Default);

    // Changed without redrawing the axes: the points cover -2 .. 2 only, in the old frame.
    setAxes("-2", "2");
    draw(1, "0*x");
    EXPECT_FLOAT_EQ(canvas(1).scaleLeft(), -8.64f);
    EXPECT_EQ(at(1, -1.95, 0), kBlue);
    EXPECT_EQ(at(1, 1.95, 0), kBlue);
    EXPECT_EQ(at(1, -2.1, 0), kBlack);
    EXPECT_EQ(at(1, 2.1, 0), kBlack);

    // A y window read from the texts as well: 1e300 lets every point above -8 through.
    setAxes("-8", "8", "-8", "1e300");
    draw(3, "x^2");
    EXPECT_EQ(at(3, 2.9, 8.41), kGraphColour[2]);
}

TEST_F(Form10Test, DrawingsAccumulateInTheirOwnColourAndWidth) {
    draw(2, "x/2");
    dialogs.colorAnswers = {QColor(255, 0, 255)};
    form->graph(2).CorDoGráfico->click();
    EXPECT_EQ(form->CommonDialog3.Color, QColor(255, 0, 255));
    EXPECT_EQ(form->graph(2).graphSample->palette().color(QPalette::Window), QColor(255, 0, 255));
    EXPECT_EQ(at(2, 4, 2), kGraphColour[1]);  // drawn points keep their colour
    form->graph(2).ImageCombo->selectIndex(3);
    draw(2, "-x/2");
    const QPoint p = pixel(2, 4, -2);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) EXPECT_EQ(at(2, p + QPoint(dx, dy)), 0xFFFF00FFu);
    EXPECT_EQ(at(2, 4, 2), kGraphColour[1]);
}

TEST_F(Form10Test, AFailureMidDrawingKeepsThePointsDrawn) {
    // int(x) is 0 from x = 0 on: the division fails there.
    draw(1, "1/int(x)");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(kHeading));
    EXPECT_GT(dialogs.messages[0].text.size(), kHeading.size());
    EXPECT_EQ(at(1, -5, -0.2), kBlue);
    EXPECT_EQ(at(1, -1.5, -0.5), kBlue);
    EXPECT_EQ(at(1, 5, 0.2), kWhite);
    EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Default);
}

TEST_F(Form10Test, HugeRangesDrawWhatCanShowOrSayTheyCannot) {
    // x from -1e300: the counter would not move there; the points that can show are all drawn.
    for (const char* end : {"1e300", "1e400"}) {
        setAxes("-8", "8");
        form->graph(1).canvas->ApagarGráfico_Click();
        setAxes("-1e300", end);
        draw(1, "0*x");
        EXPECT_TRUE(dialogs.messages.empty()) << end;
        const int row = pixel(1, 0, 0).y();
        EXPECT_EQ(count(1, QRect(0, row, 320, 1), kBlue), 320) << end;
    }
    // Nowhere near the canvas, or a counter that cannot move: nothing, and no message.
    const QImage before = image(1).copy();
    for (const auto& [from, to] : {std::pair{"1e20", "1e20"}, std::pair{"100", "1e300"}, std::pair{"-1e300", "-1e300"}}) {
        setAxes(from, to);
        form->DesenharN_Click(1);
        EXPECT_TRUE(dialogs.messages.empty()) << from;
        EXPECT_EQ(image(1), before) << from;
    }

    // Axes as wide as 2e20: far more points than could ever be drawn in reasonable time.
    setAxes("-100000000000000000000", "100000000000000000000");
    form->DesenharEixos_Click();
    ASSERT_TRUE(dialogs.messages.empty());
    const QImage wide = image(1).copy();
    form->DesenharN_Click(1);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              kHeading + QStringLiteral("O intervalo das abcissas é demasiado largo: o gráfico teria mais de dez mil "
                                        "milhões de pontos."));
    EXPECT_EQ(image(1), wide);
    EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Default);

    // Ten million samples across the canvas: drawn whole, on a clock that stands still.
    const StoppedClock clock;
    dialogs.messages.clear();
    setAxes("-5000", "5000");
    form->DesenharEixos_Click();
    draw(1, "1");
    EXPECT_TRUE(dialogs.messages.empty());
    const int row = pixel(1, 0, 1).y();
    const int from = pixel(1, -5000, 1).x(), to = pixel(1, 5000, 1).x();
    EXPECT_EQ(count(1, QRect(from, row, to - from + 1, 1), kBlue), to - from + 1);
}

TEST_F(Form10Test, AFrameWithoutWidthIsReportedByTheDrawing) {
    // In order by their leading numbers, equal once evaluated: no canvas can take that scale.
    setAxes("1", "2-1");
    form->DesenharEixos_Click();
    ASSERT_EQ(dialogs.messages.size(), 4u);
    for (const auto& m : dialogs.messages) EXPECT_TRUE(m.text.startsWith(QStringLiteral("Erro nos dados dos eixos:\n\n")));
    dialogs.messages.clear();
    form->DesenharN_Click(2);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(kHeading));
    EXPECT_GT(dialogs.messages[0].text.size(), kHeading.size());
    EXPECT_EQ(inkAll(2), 0);
    EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Default);
}

}  // namespace plotaris::testing
