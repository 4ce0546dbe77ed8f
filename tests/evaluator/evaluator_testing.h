// What an expression gives at one x, value or error, for compact expectations.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "evaluator/equation.h"

namespace plotaris::testing {

struct Result {
    bool ok = false;
    double value = 0.0;
    int error = 0;
    std::string description;
};

// Solves with the text and variables the object holds.
template <class Evaluator>
Result solve(Evaluator& eq) {
    Result r;
    try {
        eq.Solve();
        r.value = eq.Solution();
        r.ok = true;
    } catch (const EvaluatorError& e) {
        r.error = e.number;
        r.description = e.description;
        EXPECT_EQ(e.source, "Interpretador");
    }
    return r;
}

template <class Evaluator = clsEquation>
Result evaluateAt(const std::string& text, double x = 0.0) {
    Evaluator eq;
    eq.Equation(text);
    eq.Var("x", x);
    return solve(eq);
}

inline void PrintTo(const Result& r, std::ostream* os) {
    if (r.ok) *os << "value " << r.value;
    else *os << "error " << r.error << " \"" << r.description << "\"";
}

inline ::testing::AssertionResult gives(const Result& r, double expected) {
    if (r.ok && r.value == expected) return ::testing::AssertionSuccess();
    std::ostringstream os;
    PrintTo(r, &os);
    return ::testing::AssertionFailure() << "expected " << expected << ", got " << os.str();
}

inline ::testing::AssertionResult fails(const Result& r, int number, const std::string& description = {}) {
    if (!r.ok && r.error == number && (description.empty() || r.description == description))
        return ::testing::AssertionSuccess();
    std::ostringstream os;
    PrintTo(r, &os);
    return ::testing::AssertionFailure() << "expected error " << number << ", got " << os.str();
}

}  // namespace plotaris::testing
