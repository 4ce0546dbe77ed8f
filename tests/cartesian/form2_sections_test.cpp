#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <string>

#include "canvas/counted_loop.h"
#include "platform/mouse_pointer.h"
#include "tests/cartesian/form2_fixture.h"
#include "tests/support/drawing_clock.h"

namespace plotaris::testing {

namespace {

const QString kHeading = QStringLiteral("Erro na expressão analítica:\n\n");

}  // namespace

class Form2Sections : public Form2Test {
protected:
    void drawAll() {
        for (int i = 1; i <= 4; ++i) form->DesenharTroço_Click(i);
    }
    // Black pixels in the 7 x 7 square around the point, without its centre row and column: the
    // ring of a ball (radius about 3 pixels) shows there.
    int ringPixels(double x, double y) const {
        const QPoint c = pixel(x, y);
        int n = 0;
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx)
                if (dx != 0 && dy != 0) n += at(c + QPoint(dx, dy)) == kBlack;
        return n;
    }
    // Pixels of the colour along the row of y, between two abscissas.
    int inRow(double y, double x1, double x2, QRgb colour) const {
        const QPoint a = pixel(x1, y), b = pixel(x2, y);
        return count(QRect(a.x(), a.y(), b.x() - a.x() + 1, 1), colour);
    }
    int inColumn(double x, double y1, double y2, QRgb colour) const {
        const QPoint top = pixel(x, y2), bottom = pixel(x, y1);
        return count(QRect(top.x(), top.y(), 1, bottom.y() - top.y() + 1), colour);
    }
};

TEST_F(Form2Sections, DefaultSectionsWithBallsAndCoordinateLines) {
    dialogs.colorAnswers = {QColor(255, 0, 0)};
    form->CorDasLinhas_Click();  // section 1 draws its horizontal coordinate lines in this colour
    drawAll();
    EXPECT_TRUE(dialogs.messages.empty());
    // The broken line x+1, -x+4, -(x-6)^2+10, -x+10 on [-12,-4], [-4,3], [3,8], [8,12].
    for (double x : {-11.5, -8.0, -4.5}) EXPECT_EQ(at(x, x + 1), kGraphBlue) << x;
    for (double x : {-3.5, 0.5, 2.5}) EXPECT_EQ(at(x, -x + 4), kGraphBlue) << x;
    for (double x : {3.5, 5.0, 6.0, 7.5}) EXPECT_EQ(at(x, -(x - 6) * (x - 6) + 10), kGraphBlue) << x;
    for (double x : {8.5, 11.0, 11.9}) EXPECT_EQ(at(x, -x + 10), kGraphBlue) << x;
    // Open balls: rings in the axes colour at every end, seen where no line passes.
    for (auto [x, y] : {std::pair{-12.0, -11.0}, {-4.0, -3.0}, {-4.0, 8.0}, {3.0, 1.0}, {3.0, 1.0}, {8.0, 6.0},
                        {8.0, 2.0}, {12.0, -2.0}})
        EXPECT_GE(ringPixels(x, y), 4) << x << " " << y;
    // Dotted coordinate lines from each end to the axes: vertical ones in the graph colour, the
    // horizontal ones of section 1 in the extra-line colour, the others in the graph colour.
    const int vertical = inColumn(-12, -10.5, -0.5, kGraphBlue);
    EXPECT_GT(vertical, 40);
    EXPECT_LT(vertical, pixel(0, -10.5).y() - pixel(0, -0.5).y());  // dotted
    EXPECT_GT(inRow(-11, -11.5, -0.5, kRed), 40);
    EXPECT_EQ(inRow(-11, -11.5, -0.5, kGraphBlue), 0);
    EXPECT_GT(inRow(1, 0.3, 2.7, kGraphBlue), 10);
    EXPECT_EQ(inRow(1, 0.3, 2.7, kRed), 0);
    EXPECT_GT(inColumn(12, -1.5, -0.5, kGraphBlue), 3);
    // Nothing of the sections beyond their y windows or at y = 0 on section 4.
    EXPECT_EQ(platform::mousePointer(form->canvas->picture), platform::MousePointer::Default);
    EXPECT_TRUE(form->canvas->picture->isVisible());
    EXPECT_FALSE(form->canvas->twin->isVisible());
}

TEST_F(Form2Sections, BallsAreDrawnWhereverTheEndLies) {
    // y = -x + 4 only above 5: no point near the right end (3, 1), whose ball is still drawn.
    setSection(2, "-x+4", "-4", "3", "5", "12");
    TroçoControls& t = form->troço(2);
    t.CoordEsq->setChecked(false);
    t.CoordDir->setChecked(false);
    form->DesenharTroço_Click(2);
    EXPECT_EQ(at(3, 1), kWhite);  // a ring: the inside shows the background
    EXPECT_GE(ringPixels(3, 1), 8);
    EXPECT_EQ(at(-2, 6), kGraphBlue);
    EXPECT_EQ(at(0.5, 3.5), kWhite);

    // A closed ball: a disc in the graph colour inside the ring.
    form->canvas->DesenharEixos_Click();
    t.FechadaDir->setChecked(true);
    t.SemBolaEsq->setChecked(true);
    form->DesenharTroço_Click(2);
    EXPECT_EQ(at(3, 1), kGraphBlue);
    EXPECT_GE(ringPixels(3, 1), 8);
    EXPECT_EQ(ringPixels(-4, 8), 0);  // "sem bola"

    // Its radius is 1/200 of the visible x range, whatever the limits: the same pixels.
    const QImage ball = image().copy(QRect(pixel(3, 1) - QPoint(5, 5), QSize(11, 11)));
    setAxes("-120", "120", "-120", "120");
    form->canvas->DesenharEixos_Click();
    setSection(2, "-x+4", "-4", "30", "100", "120");
    form->DesenharTroço_Click(2);
    EXPECT_EQ(image().copy(QRect(pixel(30, -26) - QPoint(5, 5), QSize(11, 11))), ball);
}

TEST_F(Form2Sections, LowerXAboveTheUpperDrawsOnlyBallsAndLines) {
    setSection(2, "-x+4", "3", "-4");
    form->DesenharTroço_Click(2);
    EXPECT_TRUE(dialogs.messages.empty());
    for (double x : {-2.0, 0.5, 2.0}) EXPECT_EQ(at(x, -x + 4), kWhite) << x;
    EXPECT_GE(ringPixels(3, 1), 4);
    EXPECT_GE(ringPixels(-4, 8), 4);
    EXPECT_GT(inColumn(-4, 0.5, 7.5, kGraphBlue), 20);
}

TEST_F(Form2Sections, BlankLimitsCountAsZero) {
    setSection(2, "-x+4", "", "3", " ", "12");
    form->DesenharTroço_Click(2);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(at(-2, 6), kWhite);       // the section starts at 0
    EXPECT_EQ(at(1, 3), kGraphBlue);
    setSection(4, "x-10", "8", "12", "", "12");
    form->DesenharTroço_Click(4);
    EXPECT_EQ(at(9, -1), kWhite);       // y <= 0 is hidden
    EXPECT_EQ(at(11, 1), kGraphBlue);
}

TEST_F(Form2Sections, LimitsAreEvaluatedAndALimitUsingXFails) {
    setSection(3, "-(x-6)^2+10", "3", "pi*8/3");  // 8.38
    form->DesenharTroço_Click(3);
    EXPECT_EQ(at(8.2, -(2.2 * 2.2) + 10), kGraphBlue);
    EXPECT_EQ(at(8.6, -(2.6 * 2.6) + 10), kWhite);

    form->canvas->DesenharEixos_Click();
    const QImage axes = image();
    setSection(3, "-(x-6)^2+10", "3", "8", "-12", "x");
    form->DesenharTroço_Click(3);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kHeading + QStringLiteral("Variável não definida: x"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Plotaris"));
    EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::None);
    EXPECT_EQ(image(), axes);  // nothing of the section
    EXPECT_EQ(platform::mousePointer(form->canvas->picture), platform::MousePointer::Default);
}

TEST_F(Form2Sections, SectionOneDrawsLiveOnTheTwinAndGivesTheCanvasBack) {
    // 1/int(x) fails at x = 0; the points before stay.
    for (int i : {1, 2}) {
        dialogs.messages.clear();
        setSection(i, "1/int(x)", "-2", "2");
        const bool live = i == 1;
        dialogs.onMessage = [&](const platform::MessageRequest&) {
            EXPECT_EQ(form->canvas->twin->isVisible(), live) << i;
            EXPECT_EQ(form->canvas->picture->isVisible(), !live) << i;
            EXPECT_EQ(platform::mousePointer(form->canvas->picture), platform::MousePointer::Hourglass) << i;
            if (live) {
                EXPECT_EQ(form->canvas->twin->image().pixel(pixel(-1.5, -0.5)), kGraphBlue);
            }
        };
        form->DesenharTroço_Click(i);
        ASSERT_EQ(dialogs.messages.size(), 1u) << i;
        EXPECT_EQ(dialogs.messages[0].text, kHeading + QStringLiteral("Divisão por zero"));
        EXPECT_EQ(at(-1.5, -0.5), kGraphBlue) << i;
        EXPECT_EQ(ringPixels(2, 1), 0) << i;  // the balls come after the points
        EXPECT_TRUE(form->canvas->picture->isVisible()) << i;
        EXPECT_FALSE(form->canvas->twin->isVisible()) << i;
        EXPECT_EQ(platform::mousePointer(form->canvas->picture), platform::MousePointer::Default) << i;
    }
}

TEST_F(Form2Sections, EmptyExpressionAsksForOne) {
    const QImage axes = image();
    QApplication::setActiveWindow(form);
    for (int i : {1, 3}) {
        dialogs.messages.clear();
        setSection(i, "");
        form->DesenharTroço_Click(i);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, QStringLiteral("Deve escrever a expressão analítica do troço da função que "
                                                           "pretende representar graficamente."));
        EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Desenhar plotaris"));
        EXPECT_EQ(dialogs.messages[0].icon, platform::MessageIcon::Information);
        EXPECT_TRUE(form->troço(i).Troço1->hasFocus());
        EXPECT_TRUE(form->canvas->picture->isVisible());
        EXPECT_FALSE(form->canvas->twin->isVisible());
    }
    EXPECT_EQ(image(), axes);
    // Blanks are not empty: the evaluator takes them, and draws nothing but the balls and lines.
    dialogs.messages.clear();
    setSection(2, "  ");
    form->DesenharTroço_Click(2);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Form2Sections, QualityIsTheNumberOfSamplesPerUnit) {
    setAxes("-1", "1", "-1", "1");
    form->canvas->DesenharEixos_Click();
    setSection(2, "0.5", "-0.9", "0.9");
    TroçoControls& t = form->troço(2);
    t.CoordEsq->setChecked(false);
    t.CoordDir->setChecked(false);
    t.SemBolaEsq->setChecked(true);
    t.SemBolaDir->setChecked(true);
    form->HScroll2->setValue(25);  // a step of 0.04: about 46 samples, far apart at this scale
    form->DesenharTroço_Click(2);
    int samples = 0;
    canvas::countedLoop(-0.9, 0.9, 1.0 / 25, [&](double) { ++samples; });
    EXPECT_EQ(count(image().rect(), kGraphBlue), samples);
    EXPECT_GE(samples, 45);
    // At the default quality, every pixel of the row between the ends.
    form->HScroll2->setValue(1000);
    form->DesenharTroço_Click(2);
    const int row = pixel(0, 0.5).y();
    EXPECT_NEAR(count(QRect(0, row, image().width(), 1), kGraphBlue), pixel(0.9, 0.5).x() - pixel(-0.9, 0.5).x() + 1, 1);
}

TEST_F(Form2Sections, AnyLimitOrExpressionEndsWithADrawingNothingOrAMessage) {
    // The language has no exponent notation: "1e300" is 1 times a variable e300.
    setSection(2, "-x+4", "-1e300", "1e300");
    form->DesenharTroço_Click(2);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kHeading + QStringLiteral("Variável não definida: e300"));
    // Limits far beyond the canvas: the part on the canvas is drawn, at once.
    dialogs.messages.clear();
    setSection(2, "-x+4", "-10^300", "10^300");
    form->DesenharTroço_Click(2);
    EXPECT_TRUE(dialogs.messages.empty());
    for (double x : {-7.0, 2.0, 11.0}) EXPECT_EQ(at(x, -x + 4), kGraphBlue) << x;
    setSection(4, "x/2", "-2^60", "2^60");
    form->DesenharTroço_Click(4);
    EXPECT_EQ(at(-10, -5), kGraphBlue);
    EXPECT_EQ(at(10, 5), kGraphBlue);
    // Nothing of these shows; the counter of the second would no longer move by the step.
    form->canvas->DesenharEixos_Click();
    const QImage axes = image();
    TroçoControls& t = form->troço(3);
    for (QAbstractButton* none : std::initializer_list<QAbstractButton*>{t.SemBolaEsq, t.SemBolaDir}) none->setChecked(true);
    for (QCheckBox* lines : {t.CoordEsq, t.CoordDir}) lines->setChecked(false);
    for (auto [xmin, xmax] : {std::pair{"10^300", "3"}, {"2^60", "2^61"}, {"-10^300", "-2^60"}}) {
        setSection(3, "x", xmin, xmax);
        form->DesenharTroço_Click(3);
        EXPECT_EQ(image(), axes) << xmin << " " << xmax;
    }
    EXPECT_TRUE(dialogs.messages.empty());
    // Too large for the evaluator: its message.
    setSection(3, "x", "10^400", "1");
    form->DesenharTroço_Click(3);
    EXPECT_EQ(dialogs.messages.size(), 1u);

    // Trillions of samples across the canvas itself: refused with the reason.
    dialogs.messages.clear();
    setAxes("-10^9", "10^9", "-10^9", "10^9");
    form->canvas->DesenharEixos_Click();
    setSection(3, "x", "-10^9", "10^9");
    form->DesenharTroço_Click(3);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kHeading + QStringLiteral("O intervalo das abcissas é demasiado largo: o gráfico "
                                                                  "teria mais de dez mil milhões de pontos."));
    // Over ten million samples across the canvas, drawn whole, on a clock that stands still.
    const StoppedClock clock;
    dialogs.messages.clear();
    setAxes("-1300", "1300", "-1300", "1300");
    form->canvas->DesenharEixos_Click();
    form->HScroll2->setValue(4000);
    setSection(3, "1", "-1300", "1300", "-1300", "1300");
    form->DesenharTroço_Click(3);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(inRow(1, -1299, 1299, kGraphBlue), pixel(1299, 1).x() - pixel(-1299, 1).x() + 1);
    form->HScroll2->setValue(1000);
    setAxes("-12", "12");
    form->canvas->DesenharEixos_Click();

    // A 5000-character expression, and a limit as long.
    std::string longExpression = "x";
    while (longExpression.size() < 5000) longExpression += "+0";
    std::string longLimit = "1";
    while (longLimit.size() < 5000) longLimit += "+0";
    dialogs.messages.clear();
    setSection(1, longExpression.c_str(), "0", longLimit.c_str(), "-12", "12");
    form->DesenharTroço_Click(1);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(at(0.5, 0.5), kGraphBlue);
}

TEST_F(Form2Sections, CoordinateLinesFromFarOffEndsStopAtTheAxis) {
    // x^16 is 2.8e14 at 8 and 1.8e17 at 12; x^20 is 1.2e18 and 3.8e21: each dotted line comes down
    // the canvas to the x axis and no farther.
    for (const char* power : {"x^16", "x^20"}) {
        form->canvas->DesenharEixos_Click();
        setSection(4, power, "8", "12");
        form->DesenharTroço_Click(4);
        for (double x : {8.0, 12.0}) {
            EXPECT_GT(inColumn(x, 0.5, 12, kGraphBlue), 40) << power << " at " << x;
            EXPECT_EQ(inColumn(x, -12, -0.5, kGraphBlue), 0) << power << " at " << x;
        }
    }
}

TEST_F(Form2Sections, EraseLeavesTheCanvasEmptyWithoutAxes) {
    drawAll();
    form->canvas->ApagarGráfico_Click();
    EXPECT_EQ(ink(image().rect()), 0);
    // A section drawn then stands alone, at the frame of the last axes.
    form->DesenharTroço_Click(2);
    EXPECT_EQ(at(0.5, 3.5), kGraphBlue);
    EXPECT_EQ(at(5, 0), kWhite);
    // Any redraw of the axes clears the sections.
    form->canvas->DesenharEixos_Click();
    EXPECT_EQ(at(0.5, 3.5), kWhite);
    EXPECT_EQ(at(5, 0), kBlack);
}

}  // namespace plotaris::testing
