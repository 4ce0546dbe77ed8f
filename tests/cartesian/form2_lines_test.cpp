#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <cmath>

#include "platform/image_combo.h"
#include "tests/cartesian/form2_fixture.h"

namespace plotaris::testing {

namespace {

const QString kHeading = QStringLiteral("Erro na introdução dos dados:\n\n");

// The pixels where two images differ, as a rectangle (empty when they are equal).
QRect changed(const QImage& before, const QImage& after) {
    QRect r;
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y)) r |= QRect(x, y, 1, 1);
    return r;
}

}  // namespace

class Form2Lines : public Form2Test {
protected:
    void SetUp() override {
        Form2Test::SetUp();
        chooseLineColour(QColor(255, 0, 0));
    }
    void drawLinesAt(const char* abscissa) {
        form->Abcissa->setText(QString::fromUtf8(abscissa));
        form->DesenharLinhas_Click();
    }
    void solidLines() { form->ImageCombo1->selectIndex(1); }
};

TEST_F(Form2Lines, AtAnAbscissaEachSectionThatHoldsItGetsItsLines) {
    // At 0 only section 2 (-4 to 3) holds it: a dotted line up the y axis to (0, 4); the
    // horizontal one and those of the other sections have no length.
    const QImage axes = image();
    drawLinesAt("0");
    EXPECT_TRUE(dialogs.messages.empty());
    const QRect lines = changed(axes, image());
    EXPECT_EQ(lines.left(), axisColumn());
    EXPECT_EQ(lines.right(), axisColumn());
    EXPECT_NEAR(lines.top(), pixel(0, 4).y(), 1);
    EXPECT_LE(lines.bottom(), axisRow());
    const int red = count(lines, kRed);
    EXPECT_GT(red, 20);
    EXPECT_LT(red, lines.height());  // dotted
    // Pen back to width 1 and solid; the drawing colour stays the line colour.
    EXPECT_EQ(canvas().drawWidth(), 1);
    EXPECT_EQ(canvas().drawStyle(), canvas::DrawStyle::Solid);
    EXPECT_EQ(canvas().foreColor(), QColor(255, 0, 0));

    // At -4, the end shared by sections 1 and 2, no section holds it: nothing shows.
    const QImage before = image();
    drawLinesAt("-4");
    EXPECT_EQ(image(), before);
    // An empty abscissa draws nothing and says nothing.
    drawLinesAt("  ");
    EXPECT_EQ(image(), before);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Form2Lines, TheAbscissaIsEvaluatedAndTheSectionTestReadsLeadingNumbers) {
    solidLines();
    drawLinesAt("pi/2");  // section 2: the point (1.5708, 2.4292)
    const double a = M_PI / 2, y = -a + 4;
    EXPECT_EQ(at(a, y / 2), kRed);
    EXPECT_EQ(at(a / 2, y), kRed);
    EXPECT_EQ(at(a, y + 0.3), kWhite);

    // "pi" as a lower limit reads as 0 in the test: section 3 (pi to 8) then holds 2, whose
    // point (2, -6) gets its lines too. An expression in x is evaluated with x = 0.
    form->canvas->DesenharEixos_Click();
    setSection(3, "-(x-6)^2+10", "pi", "8");
    drawLinesAt("x+2");
    EXPECT_EQ(at(2, -3), kRed);
    EXPECT_EQ(at(1, -6), kRed);
    EXPECT_EQ(at(2, 1), kRed);  // section 2's point (2, 2)
    // Only the vertical lines when the horizontal ones are not wanted.
    form->canvas->DesenharEixos_Click();
    form->Horizontal->setChecked(false);
    drawLinesAt("2");
    EXPECT_EQ(at(2, -3), kRed);
    EXPECT_EQ(at(1, -6), kWhite);
    // A section without an expression has no point.
    form->canvas->DesenharEixos_Click();
    setSection(3, " ");
    drawLinesAt("2");
    EXPECT_EQ(at(2, -3), kWhite);
    EXPECT_EQ(at(2, 1), kRed);
}

TEST_F(Form2Lines, TheSegmentNeedsItsFourBoxes) {
    solidLines();
    form->IniX->setText(QStringLiteral("-5"));
    form->IniY->setText(QStringLiteral("-5"));
    form->FimX->setText(QStringLiteral("5"));
    const QImage axes = image();
    form->DesenharLinhas_Click();
    EXPECT_EQ(image(), axes);
    form->FimY->setText(QStringLiteral("5"));
    form->DesenharLinhas_Click();
    for (double v : {-4.5, -2.0, 3.0, 4.9}) EXPECT_EQ(at(v, v), kRed) << v;
    EXPECT_EQ(at(5.3, 5.3), kWhite);
    // Width and style: dashes show only at width 1.
    form->canvas->DesenharEixos_Click();
    form->ImageCombo1->selectIndex(2);  // dash
    form->ImageCombo2->selectIndex(3);
    form->DesenharLinhas_Click();
    for (double v = -4.5; v < 4.5; v += 0.1) EXPECT_EQ(at(v, v), kRed) << v;
    EXPECT_EQ(at(pixel(2, 2) + QPoint(1, 0)), kRed);
    EXPECT_EQ(canvas().drawWidth(), 1);
}

TEST_F(Form2Lines, FailuresShowTheirMessageAndKeepWhatWasDrawn) {
    solidLines();
    form->IniX->setText(QStringLiteral("-5"));
    form->IniY->setText(QStringLiteral("-5"));
    form->FimX->setText(QStringLiteral("5"));
    form->FimY->setText(QStringLiteral("foo(1)"));
    form->Abcissa->setText(QStringLiteral("1"));
    form->DesenharLinhas_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kHeading + QStringLiteral("Função não definida: foo()"));
    EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Plotaris"));
    EXPECT_EQ(at(1, 1.5), kRed);  // the lines at 1 were drawn before the segment failed
    // A section whose expression fails at the abscissa.
    dialogs.messages.clear();
    setSection(2, "1/(x-1)");
    form->DesenharLinhas_Click();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, kHeading + QStringLiteral("Divisão por zero"));
}

TEST_F(Form2Lines, BallsTakeTheLineColourUntilTheAxesAreDrawnAgain) {
    TroçoControls& t = form->troço(2);
    t.FechadaEsq->setChecked(true);
    t.CoordEsq->setChecked(false);
    const auto outline = [&] {
        // Left of the ball at (-4, 8): its outline, clear of the graph and of section 1.
        const QPoint c = pixel(-4, 8);
        return at(c + QPoint(-3, 0));
    };
    drawLinesAt("-4");  // draws nothing, but leaves its colour
    form->DesenharTroço_Click(2);
    EXPECT_EQ(at(-4, 8), kGraphBlue);
    EXPECT_EQ(outline(), kRed);
    form->canvas->DesenharEixos_Click();
    form->DesenharTroço_Click(2);
    EXPECT_EQ(outline(), kBlack);
}

}  // namespace plotaris::testing
