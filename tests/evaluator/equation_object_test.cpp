#include <gtest/gtest.h>

#include "evaluator/equation.h"

using plotaris::clsEquation;

TEST(EquationObject, NewObjectSolutionIsZero) {
    clsEquation eq;
    EXPECT_EQ(eq.Solution(), 0.0);
    EXPECT_FALSE(eq.Graus());
    EXPECT_EQ(eq.Equation(), "");
}
