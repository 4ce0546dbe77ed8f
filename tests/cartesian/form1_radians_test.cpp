#include <QCheckBox>

#include "canvas/placed_picture.h"
#include "canvas/radians.h"
#include "tests/cartesian/form1_fixture.h"

namespace plotaris::testing {

namespace {

// Radian graduation with the given limit texts.
class Form1Radians : public Form1Test {
protected:
    void radians(const char* xmin, const char* xmax) {
        setAxes(xmin, xmax);
        if (!form->frame.EixosEmRadianos) form->canvas->EixosRad_Click();
        else form->canvas->DesenharEixos_Click();
    }
    bool markAt(double t) const { return at(pixel(t, 0) + QPoint(0, 2)) == kBlack; }
    // Ink where a label whose text starts `offset` pixels left of t would stand.
    int labelInk(double t, int offset, int width = 12) const {
        const QPoint p = pixel(t, 0);
        return ink(QRect(p.x() - offset, axisRow() + 6, width, 12));
    }
};

constexpr double kHalf = canvas::kPi / 2;

}  // namespace

TEST_F(Form1Radians, ToggleCaptionsAndTooltips) {
    EXPECT_EQ(form->EixosRad->text(), QStringLiteral("Radianos "));
    form->canvas->EixosRad_Click();
    EXPECT_TRUE(form->frame.EixosEmRadianos);
    EXPECT_EQ(form->EixosRad->text(), QStringLiteral("Unidades"));
    EXPECT_EQ(form->EixosRad->toolTip(), QStringLiteral("Graduar o eixo das abcissas em unidades."));
    form->canvas->EixosRad_Click();
    EXPECT_FALSE(form->frame.EixosEmRadianos);
    EXPECT_EQ(form->EixosRad->text(), QStringLiteral("Radianos"));
    EXPECT_EQ(form->EixosRad->toolTip(), QStringLiteral("Graduar o eixo das abcissas em radianos."));
}

TEST_F(Form1Radians, DefaultLimits) {
    radians("-12", "12");
    EXPECT_TRUE(dialogs.messages.empty());
    for (int k = -7; k <= 7; ++k) {
        if (k == 0) continue;
        EXPECT_TRUE(markAt(k * kHalf)) << k;
    }
    EXPECT_FALSE(markAt(8 * kHalf));  // 12.566 is beyond the whole part of 12
    EXPECT_FALSE(markAt(-8 * kHalf));
    EXPECT_FALSE(markAt(1));  // no unit marks any more
    // Labels at every multiple of pi/2 out to +-7pi/2; the y axis keeps its unit numbers.
    for (int k = 1; k <= 7; ++k) {
        EXPECT_GT(labelInk(k * kHalf, 2), 0) << k;
        EXPECT_GT(labelInk(-k * kHalf, 4), 0) << -k;
    }
    EXPECT_GT(ink(QRect(pixel(0, 5).x() - 18, pixel(0, 5).y() - 5, 16, 10)), 0);
}

TEST_F(Form1Radians, PlainLimitsSeven) {
    radians("-7", "7");
    EXPECT_TRUE(dialogs.messages.empty());
    for (int k = 1; k <= 4; ++k) {
        EXPECT_TRUE(markAt(k * kHalf)) << k;
        EXPECT_TRUE(markAt(-k * kHalf)) << k;
        EXPECT_GT(labelInk(k * kHalf, 2), 0) << k;
        EXPECT_GT(labelInk(-k * kHalf, 4), 0) << -k;
    }
}

TEST_F(Form1Radians, ExpressionLimitsStopTheLabels) {
    radians("-2pi", "2pi");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_TRUE(dialogs.messages[0].text.startsWith(QStringLiteral("Erro nos dados dos eixos:\n\n")));
    EXPECT_TRUE(dialogs.messages[0].text.contains(QStringLiteral("-2pi")));
    // The marks end at the evaluated limits: down to -6.28318, up to 4.712385 only.
    for (int k = 1; k <= 4; ++k) EXPECT_TRUE(markAt(-k * kHalf)) << k;
    for (int k = 1; k <= 3; ++k) EXPECT_TRUE(markAt(k * kHalf)) << k;
    EXPECT_FALSE(markAt(4 * kHalf));
    // Only "-p/2" was printed; nothing after it, the y numbers included.
    EXPECT_GT(labelInk(-kHalf, 4), 0);
    EXPECT_EQ(labelInk(-2 * kHalf, 2), 0);
    EXPECT_EQ(labelInk(kHalf, 2), 0);
    EXPECT_EQ(ink(QRect(pixel(0, 5).x() - 18, pixel(0, 5).y() - 5, 16, 10)), 0);
    EXPECT_TRUE(form->canvas->arrowX->isVisible());
    EXPECT_FALSE(form->canvas->arrowY->isVisible());
}

TEST_F(Form1Radians, ZeroToOneShowsNoMarksAndNoVisibleLabels) {
    radians("0", "1");
    EXPECT_TRUE(dialogs.messages.empty());
    const int from = axisColumn() + 3, to = pixel(1.0, 0).x();
    EXPECT_EQ(ink(QRect(from, axisRow() + 1, to - from, 20)), 0);
    EXPECT_EQ(ink(QRect(from, axisRow() - 3, to - from, 3)), 0);
}

TEST_F(Form1Radians, UntickedBoxesLeaveTheXAxisBare) {
    form->axisBoxes.MarcaX->setChecked(false);
    form->axisBoxes.GradNumX->setChecked(false);
    radians("-12", "12");
    EXPECT_FALSE(markAt(kHalf));
    EXPECT_EQ(labelInk(kHalf, 2), 0);
    EXPECT_EQ(labelInk(-3 * kHalf, 6), 0);
}

}  // namespace plotaris::testing
