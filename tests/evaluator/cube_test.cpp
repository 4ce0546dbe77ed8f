// x^3 takes a faster road than std::pow; its values must be std::pow's, bit for bit, or drawings
// would change.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "evaluator/arithmetic.h"
#include "tests/evaluator/evaluator_testing.h"

namespace {

using Cube = double (*)(double);

// Both ways, where the processor has them.
const std::vector<Cube>& cubes() {
    static const std::vector<Cube> ways = [] {
        std::vector<Cube> w{plotaris::detail::cube, plotaris::detail::cubeBySplitting};
        if (plotaris::detail::cubeCanUseFma()) w.push_back(plotaris::detail::cubeWithFma);
        return w;
    }();
    return ways;
}

// Compares bit patterns, so that -0 and +0 differ; stops at the first difference.
::testing::AssertionResult sameAsPow(double a) {
    const double reference = std::pow(a, 3.0);
    for (const Cube cube : cubes()) {
        const double ours = cube(a);
        if (std::bit_cast<std::uint64_t>(ours) != std::bit_cast<std::uint64_t>(reference))
            return ::testing::AssertionFailure() << std::hexfloat << "cube(" << a << ") = " << ours << ", pow gives "
                                                 << reference;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(Cube, SameAsPowOnTheValuesDrawingsUse) {
    // Samples of drawings: multiples of the steps in use, over the ranges typed.
    for (const double step : {0.001, 0.0001, 24.0 / 50000})
        for (int k = -200000; k <= 200000; ++k) ASSERT_TRUE(sameAsPow(k * step));
    for (int n = -100000; n <= 100000; ++n) ASSERT_TRUE(sameAsPow(n));  // exact cubes
}

TEST(Cube, SameAsPowOverTheWholeRange) {
    std::mt19937_64 random(20261207);
    std::uniform_real_distribution<double> exponent(-1080.0, 1030.0);
    std::uniform_real_distribution<double> mantissa(1.0, 2.0);
    for (int i = 0; i < 2000000; ++i) {
        const double a = std::ldexp(mantissa(random), static_cast<int>(exponent(random)));
        ASSERT_TRUE(sameAsPow(a));
        ASSERT_TRUE(sameAsPow(-a));
    }
    // Bases a few units above 1, whose cubes carry few bits, and powers of two.
    for (int k = 0; k < 4096; ++k) ASSERT_TRUE(sameAsPow(1.0 + k * 0x1p-52));
    for (int e = -1074; e <= 1023; ++e) ASSERT_TRUE(sameAsPow(std::ldexp(1.0, e)));
    for (const double a : {0.0, -0.0, DBL_MIN, -DBL_MIN, DBL_TRUE_MIN, DBL_MAX, -DBL_MAX, 0x1p-250, 0x1p250,
                           std::nextafter(0x1p250, 0.0), std::nextafter(0x1p-250, 1.0), 5.64380309412236e102,
                           5.643803094122362e102, HUGE_VAL, -HUGE_VAL})
        ASSERT_TRUE(sameAsPow(a));
}

template <class Evaluator>
void expectCubesInTexts() {
    using namespace plotaris::testing;
    EXPECT_TRUE(gives(evaluateAt<Evaluator>("x^3", 1.1), std::pow(1.1, 3.0)));
    EXPECT_TRUE(gives(evaluateAt<Evaluator>("2x^3-x", -0.3), 2 * std::pow(-0.3, 3.0) + 0.3));
    EXPECT_TRUE(gives(evaluateAt<Evaluator>("x^3", -2), -8));
    EXPECT_TRUE(fails(evaluateAt<Evaluator>("x^3", 1e103), 6));  // beyond the Double range
}

TEST(Cube, PowerOfThreeInTexts) {
    expectCubesInTexts<plotaris::clsEquation>();
    expectCubesInTexts<plotaris::Equação>();
}
