#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "canvas/counted_loop.h"
#include "evaluator/equation.h"
#include "platform/image_combo.h"
#include "platform/mouse_pointer.h"
#include "tests/cartesian/form1_fixture.h"

namespace plotaris::testing {

namespace {
const QString kHeading = QStringLiteral("Erro na expressão analítica ou nos limites do gráfico:\n\n");
}

TEST_F(Form1Test, DefaultGraphSitsAtItsPoints) {
    form->DesenharGráfico_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    // Every 1000th of the 50 001 samples, computed as the drawing computes them.
    clsEquation reference;
    reference.Equation("1/3x*(2-sen(x))");
    int samples = 0, checked = 0;
    canvas::countedLoop(-12.0, 12.0, 24.0 / 50000, [&](double x) {
        if (samples++ % 1000 != 0) return;
        reference.Var("x", x);
        reference.Solve();
        const double y = reference.Solution();
        if (y <= -12 || y >= 12 || y == 0) return;
        EXPECT_EQ(at(x, y), kGraphBlue) << x;
        ++checked;
    });
    EXPECT_GE(samples, 50000);
    EXPECT_LE(samples, 50001);
    EXPECT_GT(checked, 40);
    // The function is x/3 (2 - sin x): about 5 at x = 5.4; nothing far from the curve there.
    EXPECT_EQ(count(QRect(pixel(5.4, 11).x(), 0, 1, pixel(5.4, 7).y()), kGraphBlue), 0);
    EXPECT_TRUE(form->canvas->picture->isVisible());
    EXPECT_FALSE(form->canvas->twin->isVisible());
    EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Default);
}

TEST_F(Form1Test, ValuesAtZeroOrAtOrBeyondTheLimitsAreNotDrawn) {
    // The letters of the first drawing of the axes are larger (the numbers set size 6 after them).
    form->canvas->ApagarGráfico_Click();
    const QImage axes = image();
    for (const char* nothing : {"x*0", "12", "-12", "1000", "sqr(-1)"}) {
        draw(nothing);
        EXPECT_EQ(image(), axes) << nothing;
    }
    draw("11.9");
    EXPECT_EQ(at(3, 11.9), kGraphBlue);
    form->canvas->ApagarGráfico_Click();
    EXPECT_EQ(image(), axes);
    draw("x*2");  // within the limits for |x| < 6 only
    EXPECT_EQ(at(3, 6), kGraphBlue);
    EXPECT_EQ(count(QRect(pixel(8, 0).x(), 0, 1, image().height()), kGraphBlue), 0);
    EXPECT_EQ(count(QRect(pixel(-6.5, 0).x(), 0, 1, image().height()), kGraphBlue), 0);
}

TEST_F(Form1Test, AnErrorMidDrawingKeepsThePointsDrawn) {
    // int(x) is 0 from x = 0 on: the division fails there.
    dialogs.onMessage = [&](const platform::MessageRequest&) {
        // While the message is up the live twin shows the points on white, without axes.
        EXPECT_TRUE(form->canvas->twin->isVisible());
        EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Hourglass);
        const QImage& live = form->canvas->twin->image();
        EXPECT_EQ(live.pixel(pixel(-5, -0.2)), kGraphBlue);
        EXPECT_EQ(live.pixel(pixel(0, 5) + QPoint(2, 0)), kWhite);
    };
    draw("1/int(x)");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(kHeading));
    EXPECT_GT(dialogs.messages[0].text.size(), kHeading.size());
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Plotaris"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::None);
    EXPECT_EQ(at(-5, -0.2), kGraphBlue);
    EXPECT_EQ(at(-1.5, -0.5), kGraphBlue);
    EXPECT_EQ(at(5, 0.2), kWhite);
    EXPECT_EQ(at(1.5, 1), kWhite);
    EXPECT_TRUE(form->canvas->picture->isVisible());
    EXPECT_FALSE(form->canvas->twin->isVisible());
    EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Default);
}

TEST_F(Form1Test, EmptyExpressionAsksForOneAndDrawsNothing) {
    const QImage axes = image();
    QApplication::setActiveWindow(form);
    draw("");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              QStringLiteral("Deve escrever a expressão analítica da função que pretende representar graficamente."));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Desenhar plotaris"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Information);
    EXPECT_EQ(image(), axes);
    EXPECT_TRUE(form->canvas->picture->isVisible());
    EXPECT_FALSE(form->canvas->twin->isVisible());
    EXPECT_TRUE(form->Função->hasFocus());
    // Blanks are not empty: they go to the evaluator, which draws nothing for them.
    dialogs.messages.clear();
    draw("   ");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(image(), axes);
}

TEST_F(Form1Test, GraphColourAndWidthApplyToTheNextDrawing) {
    dialogs.colorAnswers = {QColor(255, 0, 0)};
    form->canvas->CorDoGráfico_Click();
    EXPECT_EQ(form->CommonDialog1.Color, QColor(255, 0, 0));
    EXPECT_EQ(form->Label45->palette().color(QPalette::Window), QColor(255, 0, 0));
    form->ImageCombo4->selectIndex(3);
    draw("x/2");
    const QPoint p = pixel(4, 2);
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) EXPECT_EQ(at(p + QPoint(dx, dy)), 0xFFFF0000u);
    EXPECT_EQ(form->canvas->picture->drawWidth(), 1);
    // A second drawing adds its points to the first.
    dialogs.colorAnswers = {QColor(0, 255, 0)};
    form->canvas->CorDoGráfico_Click();
    draw("-x/2");
    EXPECT_EQ(at(4, -2), 0xFF00FF00u);
    EXPECT_EQ(at(4, 2), 0xFFFF0000u);
}

}  // namespace plotaris::testing
