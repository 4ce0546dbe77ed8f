// The family drawing, read in the pictures' pixels: what is drawn where, over what, and what is
// left out.
#include <QLineEdit>
#include <array>

#include "canvas/counted_loop.h"
#include "evaluator/equation.h"
#include "platform/mouse_pointer.h"
#include "tests/curves/form5_fixture.h"
#include "tests/support/drawing_clock.h"

namespace plotaris::testing {

namespace {

// Every 500th sample of the entry's curve inside the frame, computed as the drawing computes it.
std::vector<std::pair<double, double>> curvePoints(const curves::CurvaEspecial& entry) {
    std::vector<std::pair<double, double>> points;
    Equação reference;
    reference.Equation(entry.TextoCurva);
    int sample = 0;
    canvas::countedLoop(entry.TInício, entry.TFim, 0.0001, [&](double t) {
        if (sample++ % 500 != 0) return;
        reference.Var("t", t);
        reference.Solve();
        const double r = reference.Solution();
        const double x = r * std::cos(t), y = r * std::sin(t);
        if (std::fabs(x) < 9.9 && std::fabs(y) < 9.9) points.emplace_back(x, y);
    });
    return points;
}

}  // namespace

TEST_F(Form5Test, RoseCurvesThenTheirHalvesAccumulateUnderNewCaptions) {
    const curves::FamíliaEspecial& whole = *curves::famíliaEspecial("DesRosáciaN1");
    const curves::FamíliaEspecial& halves = *curves::famíliaEspecial("DesRosáciaN2");
    form->DesRosáciaN1_Click();
    EXPECT_EQ(captions(), QStringList({"n=2", "n=3", "n=4", "n=5", "n=6", "n=7", "n=8", "n=9", "n=10"}));
    std::array<QImage, 9> first;
    for (int k = 0; k < 9; ++k) {
        SCOPED_TRACE(k);
        const auto points = curvePoints(whole.Curvas[k]);
        EXPECT_GT(points.size(), 50u);
        for (const auto& [x, y] : points) EXPECT_EQ(at(k, x, y), kYellow) << x << " " << y;
        EXPECT_EQ(count(k, kYellow) + count(k, kBlack), area(k));  // yellow on black, nothing else
        first[k] = image(k).copy();
    }
    // 5 sen 2t at t = pi/4: the tip of a petal.
    EXPECT_EQ(at(0, 5 * std::cos(M_PI / 4), 5 * std::sin(M_PI / 4)), kYellow);

    form->DesRosáciaN2_Click();
    EXPECT_EQ(captions(),
              QStringList({"n=1/2", "n=3/2", "n=5/2", "n=7/2", "n=9/2", "n=11/2", "n=13/2", "n=15/2", "n=17/2"}));
    for (int k = 0; k < 9; ++k) {
        SCOPED_TRACE(k);
        for (const auto& [x, y] : curvePoints(halves.Curvas[k])) EXPECT_EQ(at(k, x, y), kYellow) << x << " " << y;
        int kept = 0, before = 0;
        for (int y = 0; y < first[k].height(); ++y)
            for (int x = 0; x < first[k].width(); ++x)
                if (first[k].pixel(x, y) == kYellow) {
                    ++before;
                    kept += image(k).pixel(x, y) == kYellow;
                }
        EXPECT_EQ(kept, before);
        EXPECT_GT(count(k, kYellow), before);
    }
    EXPECT_EQ(form->Expressão->text(), QStringLiteral("5sen(17/2t)"));
    EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Default);
}

TEST_F(Form5Test, TheRadiusLimitDrawsOnlyBetweenMinusEightAndEight) {
    for (const char* outside : {"8", "-8", "9.5", "1000"}) {
        form->DesenharFamília(family(outside, 0, 6.3, true));
        for (int k = 0; k < 9; ++k) EXPECT_EQ(count(k, kBlack), area(k)) << outside;
    }
    form->DesenharFamília(family("7.99", 0, 6.3, true));
    EXPECT_EQ(at(0, 7.99, 0), kYellow);
    EXPECT_EQ(at(8, 0, -7.99), kYellow);
    form->DesenharFamília(family("-7.99", 0, 1, true));
    EXPECT_EQ(at(4, -7.99, 0), kYellow);  // a negative radius points the other way

    // Without the limit every radius is drawn, as far as the frame reaches.
    form->Apagar_Click();
    form->DesenharFamília(family("8", 0, 6.3, false));
    EXPECT_EQ(at(0, 8, 0), kYellow);
    EXPECT_EQ(at(0, 0, 8), kYellow);
}

// A sample whose evaluation fails is left out: the radius of the sample before it is not drawn
// again at the new t.
TEST_F(Form5Test, FailingSamplesAreSkippedWithoutAMessage) {
    // exp(100t) overflows from t = 7.1 on; r = t/2 up to there.
    const char* text = "t/2+0*exp(100t)";
    {
        Equação probe;
        probe.Equation(text);
        probe.Var("t", 8);
        EXPECT_THROW(probe.Solve(), EvaluatorError);
    }
    // In the second picture the samples fail only for t within 0.145 of 5: the curve goes on after.
    const char* gap = "t/2+0*exp(2000*(0.5-abs(t-5)))";
    // The other seven pictures draw one point at the origin.
    curves::FamíliaEspecial f = family("0", 0, 0, false);
    f.Curvas[0].TextoCurva = text;
    f.Curvas[0].TFim = 11;
    f.Curvas[1].TextoCurva = gap;
    f.Curvas[1].TFim = 11;
    form->DesenharFamília(f);
    EXPECT_EQ(at(1, 2 * std::cos(4), 2 * std::sin(4)), kYellow);
    EXPECT_EQ(at(1, 2.5 * std::cos(5), 2.5 * std::sin(5)), kBlack);
    EXPECT_EQ(at(1, 3 * std::cos(6), 3 * std::sin(6)), kYellow);
    EXPECT_EQ(at(1, 5 * std::cos(10), 5 * std::sin(10)), kYellow);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_EQ(at(0, -M_PI / 2, 0), kYellow);  // t = pi
    EXPECT_EQ(at(0, 0, -3 * M_PI / 4), kYellow);  // t = 3 pi / 2
    // The last radius drawn is about 3.55: nothing on its circle past the angle where it stopped.
    const double last = 7.0978 / 2;
    EXPECT_EQ(at(0, -last, 0), kBlack);
    EXPECT_EQ(at(0, 0, -last), kBlack);
    EXPECT_EQ(at(0, 0, last), kBlack);

    // A curve failing at every sample draws nothing at all, not even the origin.
    form->Apagar_Click();
    form->DesenharFamília(family("1/0", 0, 0.2, false));
    for (int k = 0; k < 9; ++k) EXPECT_EQ(count(k, kBlack), area(k));
    EXPECT_EQ(captions().at(8), QStringLiteral("c8"));
    EXPECT_EQ(platform::mousePointer(form), platform::MousePointer::Default);
}

// Each curve whose time is up is left as it stands, silently, and the next one is drawn.
TEST_F(Form5Test, CurvesWhoseTimeIsUpStopWithoutAMessage) {
    const SecondPerReading clock;
    form->DesenharFamília(family("5", 0, 2 * M_PI, false));
    EXPECT_TRUE(dialogs.messages.empty());
    for (int k = 0; k < 9; ++k) {
        // t went up by a ten-thousandth until the time was up, just past 1.
        EXPECT_EQ(at(k, 5 * std::cos(0.5), 5 * std::sin(0.5)), kYellow) << k;
        EXPECT_EQ(at(k, -5, 0), kBlack) << k;
    }
}

TEST_F(Form5Test, ApagarClearsThePicturesAndKeepsTheCaptions) {
    form->ConcoideRosacean_Click();
    EXPECT_EQ(captions().at(0), QStringLiteral("n=1"));
    EXPECT_GT(count(0, kYellow), 0);
    form->Apagar_Click();
    for (int k = 0; k < 9; ++k) EXPECT_EQ(count(k, kBlack), area(k));
    EXPECT_EQ(captions(), QStringList({"n=1", "n=2", "n=3", "n=4", "n=5", "n=6", "n=7", "n=8", "n=9"}));
    EXPECT_EQ(form->Expressão->text(), QStringLiteral("2(1+e*cos(9t))"));

    // On a chosen background it clears to that background.
    dialogs.colorAnswers = {QColor(0, 0, 128)};
    form->CorFundo_Click();
    form->ConcoideRosacean_Click();
    form->Apagar_Click();
    for (int k = 0; k < 9; ++k) EXPECT_EQ(count(k, 0xFF000080u), area(k));
}

}  // namespace plotaris::testing
