#include <gtest/gtest.h>

#include <vector>

#include "canvas/counted_loop.h"
#include "canvas/number_format.h"
#include "canvas/number_text.h"

using namespace plotaris::canvas;

TEST(NumberFormat, BlankBeforeANonNegativeNumberAndAfterEveryNumber) {
    EXPECT_EQ(printedNumber(3), QStringLiteral(" 3 "));
    EXPECT_EQ(printedNumber(-3), QStringLiteral("-3 "));
    EXPECT_EQ(printedNumber(12.5), QStringLiteral(" 12.5 "));
    EXPECT_EQ(printedNumber(-0.0), QStringLiteral(" 0 "));
    EXPECT_EQ(printedNumber(roundToOneDecimal(-0.04)), QStringLiteral(" 0 "));
    // At most 15 significant digits, so accumulated steps print as the user expects.
    EXPECT_EQ(shortestDecimal(0.1 + 0.2), QStringLiteral("0.3"));
    EXPECT_EQ(shortestDecimal(1.0 / 3), QStringLiteral("0.333333333333333"));
    EXPECT_EQ(shortestDecimal(1e20), QStringLiteral("1e+20"));
    EXPECT_EQ(roundToOneDecimal(0.7000000000000001), 0.7);
    EXPECT_EQ(roundToOneDecimal(-2.25), -2.3);
}

TEST(NumberText, LeadingNumberAndStrictNumber) {
    EXPECT_EQ(leadingNumber(QStringLiteral("  -2pi ")), -2);
    EXPECT_EQ(leadingNumber(QStringLiteral("pi")), 0);
    EXPECT_EQ(leadingNumber(QStringLiteral("-pi")), 0);
    EXPECT_EQ(leadingNumber(QStringLiteral("1-5")), 1);
    EXPECT_EQ(leadingNumber(QStringLiteral("12.5e1x")), 125);
    EXPECT_EQ(leadingNumber(QStringLiteral("3e")), 3);
    EXPECT_EQ(leadingNumber(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(leadingNumber(QStringLiteral("   ")), 0);
    EXPECT_EQ(leadingNumber(QStringLiteral("1e999")), HUGE_VAL);

    EXPECT_EQ(strictNumber(QStringLiteral(" -7 ")), -7);
    EXPECT_EQ(strictNumber(QStringLiteral("+2.5")), 2.5);
    for (const char* bad : {"2pi", "", "  ", "1,5", "-", "1 2"})
        EXPECT_THROW(strictNumber(QString::fromUtf8(bad)), ConversionError) << bad;
}

namespace {
std::vector<double> run(double start, double end, double step) {
    std::vector<double> values;
    countedLoop(start, end, step, [&](double c) { values.push_back(c); });
    return values;
}
}  // namespace

TEST(CountedLoop, AccumulatesTheStepUntilTheCounterPassesTheEnd) {
    EXPECT_EQ(run(0, 3, 1), (std::vector<double>{0, 1, 2, 3}));
    EXPECT_EQ(run(0, -3, -1), (std::vector<double>{0, -1, -2, -3}));
    EXPECT_TRUE(run(0, 3, -1).empty());  // the step's sign gives the direction
    EXPECT_TRUE(run(0, 12, 5) == (std::vector<double>{0, 5, 10}));
    // The counter accumulates the step: 0.1 added ten times is just under 1, so there is an
    // eleventh pass that does not land on 1.
    const auto tenths = run(0, 1, 0.1);
    EXPECT_EQ(tenths.size(), 11u);
    EXPECT_NE(tenths.back(), 1.0);
    EXPECT_EQ(countedLoopPasses(0, 12, 5), 3);
    EXPECT_EQ(countedLoopPasses(0, -1, 1), 0);
    // The counter is left at the first value past the end, or at the start when no pass ran.
    const auto none = [](double) {};
    EXPECT_EQ(countedLoop(-10, 10, 1, none), 11);
    EXPECT_EQ(countedLoop(0, 12, 5, none), 15);
    EXPECT_EQ(countedLoop(0, -3, -1, none), -4);
    EXPECT_EQ(countedLoop(5, 2, 1, none), 5);
}

TEST(CountedLoop, LoopsThatWouldNeverEndDoNotRun) {
    EXPECT_TRUE(run(0, 10, 0).empty());
    EXPECT_TRUE(run(0, 10, std::nan("")).empty());
    EXPECT_TRUE(run(0, std::nan(""), 1).empty());
    // Once adding the step no longer changes the counter, the loop ends, leaving it there.
    EXPECT_EQ(run(1e17, 1e18, 1).size(), 1u);
    EXPECT_EQ(countedLoop(1e17, 1e18, 1, [](double) {}), 1e17);
}
