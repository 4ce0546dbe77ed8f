// Any bytes as an expression, evaluated at a few x with both evaluator classes: the only
// requirement is that nothing crashes, hangs, leaks or invokes undefined behaviour.
#include <cstddef>
#include <cstdint>
#include <string>

#include "evaluator/equation.h"

template <class Evaluator>
static void exercise(const std::string& text) {
    static const double xs[] = {0.0, 1.0, -2.5, 1e300, -1e-300, 7.0};
    Evaluator eq;
    eq.Equation(text);
    for (double x : xs) {
        eq.Var("x", x);
        eq.Var("t", -x);
        try {
            eq.Solve();
            (void)eq.Solution();
        } catch (const plotaris::EvaluatorError& e) {
            (void)e.number;
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    exercise<plotaris::clsEquation>(text);
    exercise<plotaris::Equação>(text);
    return 0;
}
