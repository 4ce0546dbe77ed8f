#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "canvas/sampling.h"
#include "evaluator/equation.h"
#include "tests/support/drawing_clock.h"

using namespace plotaris;
using namespace plotaris::canvas;

namespace {

constexpr QRgb kBlue = 0xFF0000FFu;

// A 201 x 201 pixel area with the scale -10.05 .. 10.05 both ways: pixel (100 + 10x, 100 - 10y)
// holds the point (x, y) of a tenth.
struct Area {
    PictureArea area;
    Area() {
        area.placeTwips(0, 0, 201 * 15, 201 * 15);
        area.setUserScale(-10.05, 10.05, 10.05, -10.05);
    }
    bool dotAt(double x, double y) const {
        return area.image().pixel(int(std::lround(100 + 10 * x)), int(std::lround(100 - 10 * y))) == kBlue;
    }
    int dots() const {
        int n = 0;
        for (int y = 0; y < 201; ++y)
            for (int x = 0; x < 201; ++x) n += area.image().pixel(x, y) == kBlue;
        return n;
    }
};

Curve function(const char* text) {
    Curve curve;
    curve.text = text;
    return curve;
}

}  // namespace

TEST(Sampling, AFunctionKeepsWhatItsFilterKeeps) {
    Area a;
    clsEquation equation;
    // y = x - 2 from -5 to 5 by 1, strictly inside -2 .. 2 and never 0: x = 1 and 3 only (y = -1, 1).
    sampleCurve(equation, function("x-2"), -5, 5, 1, InsideWithoutZero{-2, 2}, PointTargets{&a.area, nullptr, kBlue});
    EXPECT_EQ(a.dots(), 2);
    EXPECT_TRUE(a.dotAt(1, -1));
    EXPECT_TRUE(a.dotAt(3, 1));
    EXPECT_FALSE(a.dotAt(2, 0));
}

TEST(Sampling, APolarCurveAndAParametricCurveBecomeTheirPoints) {
    Area polar;
    Equação equation;
    Curve rose;
    rose.form = CurveForm::Polar;
    rose.variable = "t";
    rose.text = "5";
    rose.textEverySample = false;
    const double quarter = std::acos(-1.0) / 2;
    sampleCurve(equation, rose, 0, 3 * quarter + 0.1, quarter, KeepEveryPoint{}, PointTargets{&polar.area, nullptr, kBlue});
    for (auto [x, y] : {std::pair{5, 0}, {0, 5}, {-5, 0}, {0, -5}}) EXPECT_TRUE(polar.dotAt(x, y)) << x << ", " << y;

    Area parametric;
    Curve line;
    line.form = CurveForm::Parametric;
    line.variable = "t";
    line.text = "t";
    line.secondText = "2t";
    Sample last;
    clsEquation other;
    sampleCurve(other, line, -5, 5, 1, SecondInside{-8, 8}, PointTargets{&parametric.area, nullptr, kBlue}, &last);
    EXPECT_EQ(parametric.dots(), 7);  // t = -3 .. 3; y = +-8 and beyond are dropped
    EXPECT_TRUE(parametric.dotAt(3, 6));
    // The last sample computed is kept, drawn or not.
    EXPECT_EQ(last.counter, 5);
    EXPECT_EQ(last.first, 5);
    EXPECT_EQ(last.second, 10);
}

TEST(Sampling, AFailingSampleStopsTheDrawingOrIsSkipped) {
    Area stopped;
    clsEquation equation;
    // 1/(x-1) divides by zero at x = 1.
    EXPECT_THROW(sampleCurve(equation, function("1/(x-1)"), -3, 3, 1, KeepEveryPoint{},
                             PointTargets{&stopped.area, nullptr, kBlue}),
                 EvaluatorError);
    EXPECT_EQ(stopped.dots(), 4);  // x = -3 .. 0, drawn before the failure, stay

    Area skipped;
    Curve curve = function("1/(x-1)");
    curve.onFailure = SampleFailure::SkipSample;
    Sample last;
    sampleCurve(equation, curve, -3, 3, 1, KeepEveryPoint{}, PointTargets{&skipped.area, nullptr, kBlue}, &last);
    EXPECT_EQ(skipped.dots(), 6);
    EXPECT_FALSE(skipped.dotAt(1, 0.5));  // the earlier value is not drawn at the failing x
    EXPECT_TRUE(skipped.dotAt(2, 1));
}

TEST(Sampling, ACounterThatNoLongerMovesEndsTheDrawing) {
    Area a;
    clsEquation equation;
    const double start = std::ldexp(1.0, 41);
    // It returns after one sample, far off the canvas.
    sampleCurve(equation, function("1"), start, start + 1, 0.0001, KeepEveryPoint{}, PointTargets{&a.area, nullptr, kBlue});
    EXPECT_EQ(a.dots(), 0);
}

TEST(Sampling, TheTwinReceivesTheSamePoints) {
    Area canvas, twin;
    clsEquation equation;
    sampleCurve(equation, function("1"), -2, 2, 1, KeepEveryPoint{}, PointTargets{&canvas.area, &twin.area, kBlue});
    EXPECT_EQ(canvas.dots(), 5);
    EXPECT_EQ(twin.area.image(), canvas.area.image());

    // The canvas's last point, drawn before without the twin, is the twin's first one now.
    canvas.area.clear();
    twin.area.clear();
    sampleCurve(equation, function("x/10"), 0, 0, 1, KeepEveryPoint{}, PointTargets{&canvas.area, nullptr, kBlue});
    sampleCurve(equation, function("x/10"), 0, 0.3, 0.01, KeepEveryPoint{}, PointTargets{&canvas.area, &twin.area, kBlue});
    EXPECT_TRUE(twin.dotAt(0, 0));
    EXPECT_EQ(twin.area.image(), canvas.area.image());

    // Wide dots, and dots partly off the area.
    canvas.area.clear();
    twin.area.clear();
    canvas.area.setDrawWidth(4);
    twin.area.setDrawWidth(4);
    sampleCurve(equation, function("x"), -10.2, 10.2, 0.05, KeepEveryPoint{}, PointTargets{&canvas.area, &twin.area, kBlue});
    EXPECT_GT(canvas.dots(), 201 * 3);
    EXPECT_EQ(twin.area.image(), canvas.area.image());
}

TEST(Sampling, ATwinOfAnotherScaleOrWidthPlacesItsOwnPoints) {
    Area canvas, twin;
    twin.area.setUserScale(-20.1, 20.1, 20.1, -20.1);  // half the size
    clsEquation equation;
    sampleCurve(equation, function("x"), -4, 4, 1, KeepEveryPoint{}, PointTargets{&canvas.area, &twin.area, kBlue});
    EXPECT_TRUE(canvas.dotAt(4, 4));
    EXPECT_TRUE(twin.dotAt(2, 2));
    EXPECT_FALSE(twin.dotAt(4, 4));

    Area wide, narrow;
    wide.area.setDrawWidth(3);
    sampleCurve(equation, function("x"), -4, 4, 1, KeepEveryPoint{}, PointTargets{&wide.area, &narrow.area, kBlue});
    EXPECT_EQ(wide.dots(), 9 * 9);
    EXPECT_EQ(narrow.dots(), 9);
}

// A range is refused only when no drawing could run it through; a drawing whose time is up stops
// as a failed one, keeping its points, whatever the curve does with failing samples.
TEST(Sampling, OnlyAHopelessRangeIsRefusedAndATooLongDrawingStops) {
    clsEquation equation;
    Area refused;
    // Refused before anything is evaluated: the division by zero is never met.
    EXPECT_THROW(sampleCurve(equation, function("1/0"), 0, 1e7, 0.0001, KeepEveryPoint{},
                             PointTargets{&refused.area, nullptr, kBlue}),
                 TooManySamples);
    EXPECT_EQ(refused.dots(), 0);

    for (const SampleFailure onFailure : {SampleFailure::StopDrawing, SampleFailure::SkipSample}) {
        const plotaris::testing::SecondPerReading clock;
        Area stopped;
        Curve curve = function("x/10000");
        curve.onFailure = onFailure;
        Sample last;
        // From x = 0 by 1: the point (x, x/10000) lands on column 100 + x/10 while on the area.
        EXPECT_THROW(sampleCurve(equation, curve, 0, 1e9, 1, KeepEveryPoint{}, PointTargets{&stopped.area, nullptr, kBlue},
                                 &last),
                     DrawingTooLong);
        EXPECT_EQ(last.counter, plotaris::testing::SecondPerReading::kSamplesInTime - 1);
        EXPECT_TRUE(stopped.dotAt(0, 0));
        EXPECT_TRUE(stopped.dotAt(10, 0.001));
    }
}
