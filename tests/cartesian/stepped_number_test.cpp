#include <gtest/gtest.h>

#include "cartesian/stepped_number.h"

namespace plotaris {

namespace {

QString up(const char* text) { return steppedNumber(QString::fromUtf8(text), true).value_or(QStringLiteral("-")); }
QString down(const char* text) { return steppedNumber(QString::fromUtf8(text), false).value_or(QStringLiteral("-")); }

}  // namespace

TEST(SteppedNumber, WholeNumbersStepByExactlyOne) {
    EXPECT_EQ(down("-12"), "-13");
    EXPECT_EQ(up("12"), "13");
    EXPECT_EQ(up("99"), "100");
    EXPECT_EQ(down("100"), "99");
    EXPECT_EQ(down("1"), "0");
    EXPECT_EQ(up("-1"), "0");
    EXPECT_EQ(down("0"), "-1");
    EXPECT_EQ(up("-0"), "1");
    // Beyond what a double holds exactly.
    EXPECT_EQ(up("12345678901234567890"), "12345678901234567891");
    EXPECT_EQ(down("-99999999999999999999"), "-100000000000000000000");
    // Written in its shortest form: no sign for a positive number, no leading zeros, blanks gone.
    EXPECT_EQ(up("+5"), "6");
    EXPECT_EQ(up("007"), "8");
    EXPECT_EQ(down(" 7 "), "6");
}

TEST(SteppedNumber, DecimalsKeepTheirDigitsAcrossZero) {
    EXPECT_EQ(down("2.5"), "1.5");
    EXPECT_EQ(up("2.5"), "3.5");
    EXPECT_EQ(down("0.5"), "-0.5");
    EXPECT_EQ(up("-0.25"), "0.75");
    EXPECT_EQ(down("0.001"), "-0.999");
    EXPECT_EQ(up("-0.999"), "0.001");
    EXPECT_EQ(up("2.50"), "3.5");
    EXPECT_EQ(up("5."), "6");
    EXPECT_EQ(up(".5"), "1.5");
    EXPECT_EQ(up("-1.0"), "0");
    EXPECT_EQ(up("0.1"), "1.1");
    EXPECT_EQ(down("1234567890.123456789"), "1234567889.123456789");
}

TEST(SteppedNumber, AnythingElseIsLeftAlone) {
    for (const char* text : {"", " ", "pi", "2pi", "-", "+", ".", "-.", "2,5", "1e3", "1.2.3", "--1", "1-", "x", "١٢"})
        EXPECT_FALSE(steppedNumber(QString::fromUtf8(text), true)) << text;
}

}  // namespace plotaris
