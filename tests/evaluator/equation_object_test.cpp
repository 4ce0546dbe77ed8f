#include <gtest/gtest.h>

#include <cmath>

#include "tests/evaluator/evaluator_testing.h"

using namespace plotaris;

TEST(EquationObject, NewObjectSolutionIsZeroWithoutEvaluating) {
    clsEquation eq;
    EXPECT_EQ(eq.Solution(), 0.0);
    EXPECT_FALSE(eq.Graus());
    EXPECT_EQ(eq.Equation(), "");
    // Solving before any text behaves as for an empty text.
    eq.Solve();
    EXPECT_EQ(eq.Solution(), 0.0);
    Equação other;
    EXPECT_EQ(other.Solution(), 0.0);
    other.Solve();
    EXPECT_EQ(other.Solution(), 1000.0);
}

TEST(EquationObject, TextIsStoredInLowerCase) {
    clsEquation eq;
    eq.Equation("SEN(X)+Ação");
    EXPECT_EQ(eq.Equation(), "sen(x)+ação");
    eq.Var("x", 0);
    EXPECT_THROW(eq.Solve(), EvaluatorError);  // «ao» is not a variable
}

TEST(EquationObject, VariablesIgnoreCase) {
    clsEquation eq;
    eq.Var("X", 2);
    EXPECT_EQ(eq.Var("x"), 2);
    eq.Equation("X*10");
    EXPECT_EQ(eq.Solution(), 20);
    EXPECT_EQ(eq.Var("never"), 0);
    eq.VarRemove("never");  // nothing to remove: no error
    eq.Var("Ç", 3);
    EXPECT_EQ(eq.Var("ç"), 3);
    eq.VarRemove("x");
    EXPECT_EQ(eq.Var("X"), 0);
}

TEST(EquationObject, ClearedVariablesAreUndefined) {
    clsEquation eq;
    eq.Var("x", 1);
    eq.VarClear();
    eq.Equation("x");
    try {
        eq.Solve();
        FAIL() << "x should be undefined";
    } catch (const EvaluatorError& e) {
        EXPECT_EQ(e.number, 1102);
        EXPECT_EQ(e.description, "Variável não definida: x");
    }
}

TEST(EquationObject, SolutionEvaluatesOnlyWhenStale) {
    clsEquation eq;
    eq.Equation("rnd");
    const double first = eq.Solution();
    EXPECT_EQ(eq.Solution(), first);  // nothing changed: the stored value
    eq.Solve();
    const double second = eq.Solution();
    eq.Solve();
    EXPECT_NE(eq.Solution(), second);  // every Solve draws again
    EXPECT_GE(second, 0.0);
    EXPECT_LT(second, 1.0);
    EXPECT_EQ(static_cast<double>(static_cast<float>(second)), second);  // single precision

    // Setting a variable, even to the value it holds, makes the object stale.
    eq.Var("x", 1);
    const double third = eq.Solution();
    eq.Var("x", 1);
    EXPECT_NE(eq.Solution(), third);
}

TEST(EquationObject, DegreesFlagDoesNotChangeAngles) {
    clsEquation eq;
    eq.Equation("sen(x)");
    eq.Var("x", 90);
    const double radians = eq.Solution();
    eq.Graus(true);
    EXPECT_TRUE(eq.Graus());
    EXPECT_EQ(eq.Solution(), radians);
    EXPECT_EQ(radians, std::sin(90.0));
}

TEST(EquationObject, AFailedEvaluationStaysStale) {
    clsEquation eq;
    eq.Equation("1/x");
    eq.Var("x", 0);
    EXPECT_THROW(eq.Solve(), EvaluatorError);
    EXPECT_THROW(eq.Solution(), EvaluatorError);  // still stale: evaluates and fails again
    eq.Var("x", 4);
    EXPECT_EQ(eq.Solution(), 0.25);
}

TEST(EquationObject, UnbalancedTextFailsUntilReplaced) {
    clsEquation eq;
    eq.Equation("sen(x");
    eq.Var("x", 1);
    for (int i = 0; i < 3; ++i) {
        try {
            eq.Solve();
            FAIL();
        } catch (const EvaluatorError& e) {
            EXPECT_EQ(e.number, 1100);
        }
    }
    EXPECT_THROW(eq.Solution(), EvaluatorError);
    eq.Equation("sen(x)");
    EXPECT_EQ(eq.Solution(), std::sin(1.0));
}

TEST(EquationObject, SameTextAgainGivesTheSameValues) {
    clsEquation eq;
    double values[3];
    for (int i = 0; i < 3; ++i) {
        eq.Equation("x^2-4");
        eq.Var("x", i);
        eq.Solve();
        values[i] = eq.Solution();
    }
    EXPECT_EQ(values[0], -4);
    EXPECT_EQ(values[1], -3);
    EXPECT_EQ(values[2], 0);
    // Another text and back.
    eq.Equation("x+1");
    EXPECT_EQ(eq.Solution(), 3);
    eq.Equation("X^2-4");
    EXPECT_EQ(eq.Solution(), 0);
}

TEST(EquationObject, SampleAfterSampleMatchesFreshObjects) {
    // A drawing keeps one object for all its samples: each value must be what a new object gives.
    const char* texts[] = {"1/3x*(2-sen(x))", "sqr(x)", "log(x)+1", "(-8)^x", "x\\2+x%3", "arcsen(x/10)*x"};
    for (const char* text : texts) {
        clsEquation kept;
        Equação keptOther;
        kept.Equation(text);
        keptOther.Equation(text);
        for (double x = -10; x <= 10; x += 0.25) {
            kept.Var("x", x);
            keptOther.Var("x", x);
            const auto fresh = plotaris::testing::evaluateAt(text, x);
            const auto freshOther = plotaris::testing::evaluateAt<Equação>(text, x);
            try {
                kept.Solve();
                EXPECT_TRUE(fresh.ok);
                EXPECT_EQ(kept.Solution(), fresh.value) << text << " at " << x;
            } catch (const EvaluatorError& e) {
                EXPECT_EQ(e.number, fresh.error) << text << " at " << x;
            }
            try {
                keptOther.Solve();
                EXPECT_TRUE(freshOther.ok);
                EXPECT_EQ(keptOther.Solution(), freshOther.value) << text << " at " << x;
            } catch (const EvaluatorError& e) {
                EXPECT_EQ(e.number, freshOther.error) << text << " at " << x;
            }
        }
    }
}
