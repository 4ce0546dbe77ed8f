#include <QCheckBox>

#include "canvas/placed_picture.h"
#include "tests/cartesian/form1_fixture.h"

namespace plotaris::testing {

namespace {
const QString kHeading = QStringLiteral("Erro nos dados dos eixos:\n\n");
}

TEST_F(Form1Test, DefaultFrameScaleAndArrowHeads) {
    const auto& f = form->frame;
    EXPECT_DOUBLE_EQ(f.ValorXmin, -12);
    EXPECT_DOUBLE_EQ(f.ValorYmax, 12);
    EXPECT_DOUBLE_EQ(f.MargemX, 0.48);
    EXPECT_DOUBLE_EQ(f.UnidadePixelX, 25.92 / 631);
    EXPECT_DOUBLE_EQ(f.UnidadePixelY, 25.92 / 631);
    EXPECT_FLOAT_EQ(canvas().scaleLeft(), -12.96f);
    EXPECT_FLOAT_EQ(canvas().scaleTop(), 12.96f);
    EXPECT_FLOAT_EQ(canvas().scaleWidth(), 25.92f);

    // The axes reach one margin beyond each limit, and no further.
    EXPECT_EQ(at(-12.47, 0), kBlack);
    EXPECT_EQ(at(12.47, 0), kBlack);
    EXPECT_EQ(at(0, -12.47), kBlack);
    EXPECT_EQ(at(-12.6, 0), kWhite);
    EXPECT_EQ(at(0, -12.6), kWhite);

    // The ">" tip lies on the x axis one pixel beyond its end; the "^" tip on top of the y axis.
    ASSERT_TRUE(form->canvas->arrowX->isVisible());
    ASSERT_TRUE(form->canvas->arrowY->isVisible());
    const QPoint xTip = form->canvas->arrowX->pos() + QPoint(4, 4);
    EXPECT_EQ(xTip.y(), axisRow());
    EXPECT_EQ(xTip.x(), pixel(12.48, 0).x() + 1);
    const QPoint yTip = form->canvas->arrowY->pos() + QPoint(4, 0);
    EXPECT_EQ(yTip.x(), axisColumn());
    EXPECT_EQ(yTip.y(), pixel(0, 12.48).y());
    // They are not part of the kept image.
    EXPECT_EQ(at(12.6, 0), kWhite);
}

TEST_F(Form1Test, MarksAndNumbersStandAtTheirPlaces) {
    for (int i = -12; i <= 12; ++i) {
        if (i == 0) continue;
        const QPoint x = pixel(i, 0), y = pixel(0, i);
        EXPECT_EQ(at(x + QPoint(0, -2)), kBlack) << "x mark " << i;
        EXPECT_EQ(at(x + QPoint(0, 2)), kBlack) << "x mark " << i;
        EXPECT_EQ(at(x + QPoint(0, 3)), kWhite) << "x mark " << i;
        EXPECT_EQ(at(y + QPoint(-2, 0)), kBlack) << "y mark " << i;
        EXPECT_EQ(at(y + QPoint(2, 0)), kBlack) << "y mark " << i;
        // Numbers: below and left of an x mark; left of the y axis, a little above a y mark.
        EXPECT_GT(ink(QRect(x.x() - 8, x.y() + 8, 16, 10)), 0) << "x number " << i;
        EXPECT_GT(ink(QRect(y.x() - 18, y.y() - 5, 16, 10)), 0) << "y number " << i;
    }
    // Nothing at the origin: no mark and no "0".
    EXPECT_EQ(ink(QRect(axisColumn() - 8, axisRow() + 3, 6, 12)), 0);
    EXPECT_EQ(ink(QRect(axisColumn() + 2, axisRow() + 3, 10, 12)), 0);
}

TEST_F(Form1Test, StepsThatDoNotDivideAreNegativeOrZero) {
    form->axisBoxes.PassoX->setText(QStringLiteral("5"));
    form->axisBoxes.PassoY->setText(QStringLiteral("-1"));
    form->canvas->DesenharEixos_Click();
    for (int i : {5, 10, -5, -10}) EXPECT_EQ(at(pixel(i, 0) + QPoint(0, 2)), kBlack) << i;
    for (int i : {1, 4, 11, 12, -12}) EXPECT_EQ(at(pixel(i, 0) + QPoint(0, 2)), kWhite) << i;
    for (int j : {1, 5, -5, 12}) EXPECT_EQ(at(pixel(0, j) + QPoint(2, 0)), kWhite) << j;

    // A zero step leaves the axis bare instead of never ending.
    form->axisBoxes.PassoX->setText(QStringLiteral("0"));
    form->axisBoxes.PassoY->setText(QStringLiteral("1-1"));
    form->canvas->DesenharEixos_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    for (int i : {-7, 3, 9}) {
        EXPECT_EQ(at(pixel(i, 0) + QPoint(0, 2)), kWhite) << i;
        EXPECT_EQ(ink(QRect(pixel(i, 0).x() - 8, axisRow() + 8, 16, 10)), 0) << i;
        EXPECT_EQ(at(pixel(0, i) + QPoint(2, 0)), kWhite) << i;
    }

    // Unticked marks and numbers leave the x axis bare; letters and arrows stay.
    form->axisBoxes.PassoX->setText(QStringLiteral("1"));
    form->axisBoxes.MarcaX->setChecked(false);
    form->axisBoxes.GradNumX->setChecked(false);
    form->canvas->DesenharEixos_Click();
    EXPECT_EQ(at(pixel(3, 0) + QPoint(0, 2)), kWhite);
    EXPECT_EQ(ink(QRect(pixel(3, 0).x() - 8, axisRow() + 8, 16, 10)), 0);
    EXPECT_TRUE(form->canvas->arrowX->isVisible());
}

TEST_F(Form1Test, InputChecksInOrderOfPrecedence) {
    struct Case {
        const char *xmin, *xmax, *ymin, *ymax, *message;
    } cases[] = {
        {"", "-5", "3", "1", "É necessário colocar os valores de Xmín, Xmáx, Ymín e Ymáx."},
        {"5", "2", "", "12", "É necessário colocar os valores de Xmín, Xmáx, Ymín e Ymáx."},
        {"5", "2", "3", "1", "O valor de Xmín deve ser menor que o de Xmáx."},
        {"-pi", "pi", "-12", "12", "O valor de Xmín deve ser menor que o de Xmáx."},
        {"-12", "12", "3", "1", "O valor de Ymín deve ser menor que o de Ymáx."},
        {"-12", "12", "2", "2", "O valor de Ymín deve ser menor que o de Ymáx."},
    };
    for (const Case& c : cases) {
        dialogs.messages.clear();
        setAxes(c.xmin, c.xmax, c.ymin, c.ymax);
        form->canvas->DesenharEixos_Click();
        ASSERT_EQ(dialogs.messages.size(), 1u) << c.message;
        const auto& m = dialogs.messages.front();
        EXPECT_EQ(m.text, QString::fromUtf8(c.message));
        EXPECT_EQ(m.title, QStringLiteral("Funções"));
        EXPECT_EQ(m.icon, platform::MessageIcon::Information);
        // The canvas is left cleared, without axes.
        EXPECT_EQ(ink(image().rect()), 0);
    }
    // Blanks are not empty: they read as 0 and pass (the evaluator then keeps its last value for
    // them); -2pi and 2pi read as -2 and 2.
    dialogs.messages.clear();
    setAxes("-2pi", "2pi", " ", "12");
    form->canvas->DesenharEixos_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_NEAR(form->frame.ValorXmax, 6.283185307, 1e-9);
    EXPECT_EQ(form->frame.ValorYmin, form->frame.ValorXmax);
}

TEST_F(Form1Test, FailuresAfterTheChecksShowTheAxesMessage) {
    // Limits in order by their leading numbers but equal once evaluated: no scale can be set.
    setAxes("1+1", "2");
    form->canvas->DesenharEixos_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(kHeading));
    EXPECT_GT(dialogs.messages[0].text.size(), kHeading.size());
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Plotaris"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::None);
    EXPECT_TRUE(form->canvas->arrowX->isVisible());
    EXPECT_FALSE(form->canvas->arrowY->isVisible());
    // Drawing on that frame reports its own failure and gives the canvas back.
    form->DesenharGráfico_Click();
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(dialogs.messages[1].text.startsWith(QStringLiteral("Erro na expressão analítica ou nos limites do gráfico:\n\n")));
    EXPECT_TRUE(form->canvas->picture->isVisible());

    // An evaluator error in a step box.
    dialogs.messages.clear();
    setAxes("-12", "12");
    form->axisBoxes.PassoY->setText(QStringLiteral("foo(2)"));
    form->canvas->DesenharEixos_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kHeading + QStringLiteral("Função não definida: foo()"));
}

TEST_F(Form1Test, MirroredAndHugeLimitsEnd) {
    // In order by their leading numbers, reversed once evaluated: the frame is mirrored.
    setAxes("1-5", "2-10");
    form->canvas->DesenharEixos_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(form->frame.ValorXmin, -4);
    EXPECT_EQ(form->frame.ValorXmax, -8);
    EXPECT_GT(pixel(-7, 0).x(), pixel(-5, 0).x());
    draw("x");  // the step is negative: the loop runs from -4 down to -8
    EXPECT_EQ(at(-6, -6), kGraphBlue);

    // Ranges far too wide for marks a pixel apart draw the axes without them, and end.
    setAxes("-10^30", "10^30", "-10^30", "10^30");
    form->canvas->DesenharEixos_Click();
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(at(pixel(0, 0) + QPoint(20, 0)), kBlack);
    draw("x");
    EXPECT_TRUE(dialogs.messages.empty());
    // Limits beyond single precision cannot make a scale: the axes report it.
    setAxes("-10^300", "10^300");
    form->canvas->DesenharEixos_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(kHeading));
}

}  // namespace plotaris::testing
