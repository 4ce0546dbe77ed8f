#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/evaluator/evaluator_testing.h"

using namespace plotaris;
using namespace plotaris::testing;

TEST(Evaluation, OperatorsByPriorityAndFromLeftToRight) {
    EXPECT_TRUE(gives(evaluateAt("2+3*4"), 14));
    EXPECT_TRUE(gives(evaluateAt("2^3^2"), 64));
    EXPECT_TRUE(gives(evaluateAt("-2^2"), -4));
    EXPECT_TRUE(gives(evaluateAt("2*-3"), -6));
    EXPECT_TRUE(gives(evaluateAt("8/2/2"), 2));
    EXPECT_TRUE(gives(evaluateAt("10-2-3"), 5));
    EXPECT_TRUE(gives(evaluateAt("2+3*x", 4), 14));
    EXPECT_TRUE(gives(evaluateAt("x^2-4", 3), 5));
    EXPECT_TRUE(gives(evaluateAt("-(x-6)^2+10", 2), -6));
    EXPECT_TRUE(gives(evaluateAt("2^(-1)"), 0.5));
    EXPECT_TRUE(gives(evaluateAt("1/3x*(2-sen(x))", 4), 1.0 / 3 * 4 * (2 - std::sin(4.0))));
}

TEST(Evaluation, GroupsAndImpliedProducts) {
    EXPECT_TRUE(gives(evaluateAt("()"), 0));
    EXPECT_TRUE(gives(evaluateAt("(2,3)"), 2));
    EXPECT_TRUE(gives(evaluateAt("2(3)"), 6));
    EXPECT_TRUE(gives(evaluateAt("((((7))))"), 7));
    EXPECT_TRUE(gives(evaluateAt("2x", 5), 10));
    EXPECT_TRUE(gives(evaluateAt("3pi"), 3 * 3.14159265358979));
    EXPECT_TRUE(gives(evaluateAt("2 3"), 23));
    EXPECT_TRUE(gives(evaluateAt("X+1", 2), 3));
    EXPECT_TRUE(gives(evaluateAt("(x+1)(x-1)", 3), 4));  // no product between groups: the first cell wins
}

TEST(Evaluation, FunctionArgumentsAreTheFirstAndTheLastCells) {
    EXPECT_TRUE(gives(evaluateAt("min(1,2,3)"), 1));
    EXPECT_TRUE(gives(evaluateAt("max(1,5,3)"), 3));
    EXPECT_TRUE(gives(evaluateAt("max(1,-2)"), 1));
    EXPECT_TRUE(gives(evaluateAt("sen(1,2)"), std::sin(1.0)));
    EXPECT_TRUE(fails(evaluateAt("sqr()"), 1104, "Argumento inválido na expressão: sqr()"));
    EXPECT_TRUE(fails(evaluateAt("foo(2)"), 1101, "Função não definida: foo()"));
    EXPECT_TRUE(fails(evaluateAt("x(2)"), 1101, "Função não definida: x()"));
}

TEST(Evaluation, IntegerQuotientAndRemainderRoundHalfToEven) {
    EXPECT_TRUE(gives(evaluateAt("7\\2"), 3));
    EXPECT_TRUE(gives(evaluateAt("-7\\2"), -3));
    EXPECT_TRUE(gives(evaluateAt("7.5\\2"), 4));
    EXPECT_TRUE(gives(evaluateAt("6.5\\2"), 3));
    EXPECT_TRUE(gives(evaluateAt("-2.5\\1"), -2));
    EXPECT_TRUE(gives(evaluateAt("-7%3"), -1));
    EXPECT_TRUE(gives(evaluateAt("7%-3"), 1));
    EXPECT_TRUE(gives(evaluateAt("2147483647.4\\1"), 2147483647));
    EXPECT_TRUE(fails(evaluateAt("2147483647.5\\1"), 6));
    EXPECT_TRUE(fails(evaluateAt("5%0"), 11));
    EXPECT_TRUE(fails(evaluateAt("1\\0.4"), 11));
    EXPECT_TRUE(fails(evaluateAt("-2147483648\\-1"), 6));
    EXPECT_TRUE(gives(evaluateAt("-2147483648%-1"), 0));
    // The left value converts before the right one, and both before the divisor is tested.
    EXPECT_TRUE(fails(evaluateAt("9999999999\\0"), 6));
}

TEST(Evaluation, OverflowAndDivisionByZeroStopTheEvaluation) {
    EXPECT_TRUE(fails(evaluateAt("1/0"), 11, "Divisão por zero"));
    EXPECT_TRUE(fails(evaluateAt("0/0"), 6, "Capacidade excedida"));
    EXPECT_TRUE(fails(evaluateAt("0^(-1)"), 11));
    EXPECT_TRUE(fails(evaluateAt("10^400"), 6));
    EXPECT_TRUE(fails(evaluateAt("1e300*1e300"), 1102));  // e300 is a name
    EXPECT_TRUE(fails(evaluateAt("x*x", 1e200), 6));
    EXPECT_TRUE(fails(evaluateAt(std::string(400, '9')), 6));
    EXPECT_TRUE(fails(evaluateAt("1+" + std::string(400, '9')), 6));
    // The first failing operation in the order of evaluation decides.
    EXPECT_TRUE(fails(evaluateAt("(1/0)+(0/0)"), 11));
    EXPECT_TRUE(fails(evaluateAt("(0/0)+(1/0)"), 6));
    EXPECT_TRUE(fails(evaluateAt("1/0+y"), 1102));  // the name comes first
}

TEST(Evaluation, NamesConstantsAndVariables) {
    EXPECT_TRUE(gives(evaluateAt("pi"), 3.14159265358979));
    EXPECT_TRUE(gives(evaluateAt("e"), 2.718281828));
    EXPECT_TRUE(fails(evaluateAt("y"), 1102, "Variável não definida: y"));
    EXPECT_TRUE(fails(evaluateAt("x.5"), 1102, "Variável não definida: x,5"));

    clsEquation eq;
    eq.Var("pi", 5);
    eq.Equation("pi");
    EXPECT_EQ(eq.Solution(), 3.14159265358979);
}

TEST(Evaluation, PointsThatCannotBeComputedMarkTheirCellWith1000) {
    EXPECT_TRUE(gives(evaluateAt("sqr(-1)"), 1000));
    EXPECT_TRUE(gives(evaluateAt("1+sqr(-1)"), 1001));
    EXPECT_TRUE(gives(evaluateAt("-sqr(-1)"), -1000));
    EXPECT_TRUE(gives(evaluateAt("log(0)*2"), 2000));
    // A failing operator between two operands leaves its left operand as it was.
    EXPECT_TRUE(gives(evaluateAt("(-8)^(1/3)+1"), -7));
    // With no filled cell left, the previous result stays (0 on a new object).
    EXPECT_TRUE(gives(evaluateAt("+3"), 0));
    EXPECT_TRUE(gives(evaluateAt(""), 0));
    EXPECT_TRUE(gives(evaluateAt("   "), 0));
    EXPECT_TRUE(gives(evaluateAt("1.2.3"), 0));
    EXPECT_TRUE(gives(evaluateAt(")2("), 0));

    clsEquation eq;
    eq.Equation("7");
    eq.Solve();
    eq.Equation("1.2.3");
    eq.Solve();
    EXPECT_EQ(eq.Solution(), 7);
}

TEST(Evaluation, PointsThatCannotBeComputedGive1000InTheOtherClass) {
    EXPECT_TRUE(gives(evaluateAt<Equação>("sqr(-1)"), 1000));
    EXPECT_TRUE(gives(evaluateAt<Equação>("1+sqr(-1)"), 1));
    EXPECT_TRUE(gives(evaluateAt<Equação>("-sqr(-1)"), 1000));
    EXPECT_TRUE(gives(evaluateAt<Equação>("+3"), 1000));
    EXPECT_TRUE(gives(evaluateAt<Equação>(""), 1000));
    EXPECT_TRUE(gives(evaluateAt<Equação>("1.2.3"), 1000));
    EXPECT_TRUE(gives(evaluateAt<Equação>("sen(x)*2", 1), std::sin(1.0) * 2));
    EXPECT_TRUE(gives(evaluateAt<Equação>("(-8)^(1/3)+1"), -7));
}

TEST(Evaluation, AnOperatorMetAsAnOperandEndsInAnError) {
    EXPECT_TRUE(fails(evaluateAt("2^-1"), 1104, "Argumento inválido na expressão: )"));
    EXPECT_TRUE(fails(evaluateAt("x^-1", 2), 1104, "Argumento inválido na expressão: )"));
    EXPECT_TRUE(fails(evaluateAt("2^-1+3"), 1101, "Função não definida: )"));
    EXPECT_TRUE(fails(evaluateAt<Equação>("2^-1"), 1104));
    EXPECT_TRUE(fails(evaluateAt<Equação>("2^-1+3"), 1101));
    EXPECT_TRUE(fails(evaluateAt("((1)"), 1100, "Número de parênteses incorrecto."));
    EXPECT_TRUE(fails(evaluateAt<Equação>("((1)"), 1100));
}

TEST(Evaluation, AnErrorLeavesTheResultAsItStood) {
    clsEquation cls;
    cls.Equation("5");
    cls.Solve();
    cls.Equation("1/0");
    EXPECT_THROW(cls.Solve(), EvaluatorError);
    cls.Equation("+");
    cls.Solve();
    EXPECT_EQ(cls.Solution(), 5);

    Equação eq;
    eq.Equation("5");
    eq.Solve();
    eq.Equation("1/0");
    EXPECT_THROW(eq.Solve(), EvaluatorError);
    eq.Equation("((");
    EXPECT_THROW(eq.Solve(), EvaluatorError);  // the tokenizer fails before the result is preset
    eq.Equation("+");
    eq.Solve();
    EXPECT_EQ(eq.Solution(), 1000);
}

// Texts no user would type end in a value or in one of the numbered errors, the same for both
// classes but for what a point that cannot be computed gives.
TEST(Evaluation, BadTextEndsInAValueOrANumberedError) {
    struct Case {
        std::string text;
        int error;                  // 0: a value
        double value, presetValue;  // clsEquation's and Equação's
    };
    const Case cases[] = {
        {std::string(40000, 'x'), 6, 0, 0},                         // beyond the work list's capacity
        {std::string(5000, '(') + std::string(5000, ')'), 6, 0, 0},  // likewise
        {"\x01\x02\xff\xfe(\x80x)", 0, 1, 1},
        {"\xc3\x28\xa0\xa1", 1100, 0, 0},
        {std::string(3000, '~'), 0, 0, 1000},
        {",,,,(,),,", 0, 0, 0},
        {"(((((((((())))))))))", 0, 0, 0},
        {")))(((", 0, 0, 1000},
        {"sen(cos(tg(", 1100, 0, 0},
        {"min(,)", 1104, 0, 0},
        {"^^^", 1104, 0, 0},
        {"1+*2", 0, 1, 1},
        {std::string(3000, '-').append("1"), 1104, 0, 0},
    };
    for (const Case& c : cases) {
        const Result a = evaluateAt(c.text, 1);
        const Result b = evaluateAt<Equação>(c.text, 1);
        const std::string shown = c.text.substr(0, 20);
        EXPECT_EQ(a.error, c.error) << shown;
        EXPECT_EQ(b.error, c.error) << shown;
        if (c.error != 0) continue;
        EXPECT_TRUE(a.ok && b.ok) << shown;
        EXPECT_EQ(a.value, c.value) << shown;
        EXPECT_EQ(b.value, c.presetValue) << shown;
    }
}
