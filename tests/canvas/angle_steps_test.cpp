#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "canvas/angle_steps.h"
#include "canvas/counted_loop.h"

using plotaris::canvas::AngleSteps;

namespace {

// The largest distance from std::cos and std::sin over the angles, fed in order.
double worstError(const std::vector<double>& angles) {
    AngleSteps steps;
    double worst = 0;
    for (double a : angles) {
        double c, s;
        steps.next(a, c, s);
        worst = std::max({worst, std::fabs(c - std::cos(a)), std::fabs(s - std::sin(a))});
    }
    return worst;
}

}  // namespace

TEST(AngleSteps, StaysWithStdCosAndSinAlongACurve) {
    // The counters of the drawings: accumulated in doubles, across zero and across binades.
    for (const auto& [from, to, step] : {std::tuple{-3.14159, 31.4159, 1e-4}, std::tuple{0.0, 6.28, 1e-4},
                                         std::tuple{-6.28, 15.7, 1e-4}, std::tuple{1e3, 1e3 + 10, 1e-3},
                                         std::tuple{-10.0, 10.0, 0.3}}) {
        std::vector<double> angles;
        plotaris::canvas::countedLoop(from, to, step, [&](double t) { angles.push_back(t); });
        EXPECT_LT(worstError(angles), 1e-12) << from << " " << step;
    }
}

TEST(AngleSteps, GapsChangedStepsAndOddAnglesStartAfresh) {
    // Samples left out (every third), steps that change, a jump back, and the first call.
    std::vector<double> angles;
    for (int i = 0; i < 20000; ++i)
        if (i % 3 != 0) angles.push_back(i * 1e-3);
    for (int i = 0; i < 5000; ++i) angles.push_back(-2 + i * i * 1e-7);
    angles.push_back(100);
    angles.push_back(-100);
    EXPECT_LT(worstError(angles), 1e-12);

    AngleSteps steps;
    double c = 0, s = 0;
    steps.next(NAN, c, s);
    EXPECT_TRUE(std::isnan(c) && std::isnan(s));
    steps.next(0.5, c, s);  // a NaN before leaves nothing behind
    EXPECT_EQ(c, std::cos(0.5));
    EXPECT_EQ(s, std::sin(0.5));
    steps.next(HUGE_VAL, c, s);
    EXPECT_TRUE(std::isnan(c));
    steps.next(0.5, c, s);
    EXPECT_EQ(s, std::sin(0.5));
}
