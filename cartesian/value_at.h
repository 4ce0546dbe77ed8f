// The value of an expression at an x, on the evaluator of the operation that asks.
#pragma once

#include <string>

#include "evaluator/equation.h"

namespace plotaris {

inline double valueAt(clsEquation& equation, const std::string& text, double x) {
    equation.Equation(text);
    equation.Var("x", x);
    equation.Solve();
    return equation.Solution();
}

}  // namespace plotaris
