// Any bytes as an expression, evaluated at a few x with both evaluator classes. Nothing may crash,
// hang, leak or invoke undefined behaviour, and the compact form that evaluates most samples must
// agree, value for value and error for error, with the full evaluation.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

#include "evaluator/equation.h"
#include "evaluator/evaluation.h"
#include "evaluator/text_case.h"
#include "evaluator/tokenizer.h"

namespace {

using namespace plotaris;
using namespace plotaris::detail;

struct Outcome {
    bool ok = false;
    double value = 0.0;
    int error = 0;
    std::string description;

    bool same(const Outcome& o) const {
        if (ok != o.ok) return false;
        if (!ok) return error == o.error && description == o.description;
        return std::memcmp(&value, &o.value, sizeof value) == 0 || (std::isnan(value) && std::isnan(o.value));
    }
};

template <class Evaluator>
Outcome solveOnce(Evaluator& eq) {
    Outcome o;
    try {
        eq.Solve();
        o.ok = true;
        o.value = eq.Solution();
    } catch (const EvaluatorError& e) {
        o.error = e.number;
        o.description = e.description;
    }
    return o;
}

bool drawsRandomNumbers(const ParsedExpression& e) {
    for (const Token& t : e.tokens)
        if ((t.kind == TokenKind::Name && t.name == NameKind::Rnd) ||
            (t.kind == TokenKind::Function && drawsRandomNumbers(t.function)))
            return true;
    return false;
}

// The full evaluation alone, on a fresh result.
Outcome fullEvaluation(const std::optional<ParsedExpression>& parsed, const EvaluatorError* parseError, double x,
                       FailureStyle style) {
    Outcome o;
    if (parseError) {
        o.error = parseError->number;
        o.description = parseError->description;
        return o;
    }
    Variables vars;
    vars.set("x", x);
    vars.set("t", -x);
    WorkList cells;
    double result = 0.0;
    try {
        evaluate(*parsed, vars, style, cells, result);
        o.ok = true;
        o.value = result;
    } catch (const EvaluatorError& e) {
        o.error = e.number;
        o.description = e.description;
    }
    return o;
}

template <class Evaluator>
void exercise(const std::string& text, FailureStyle style) {
    // A variable may hold anything a caller gives it, infinities and NaN included.
    static const double xs[] = {0.0, 1.0, -2.5, 1e300, -1e-300, 7.0, 0.5, HUGE_VAL, std::nan("")};
    std::optional<ParsedExpression> parsed;
    std::optional<EvaluatorError> parseError;
    try {
        parsed = parseExpression(toLowerCase(text));
    } catch (const EvaluatorError& e) {
        parseError = e;
    }
    const bool comparable = !parsed || !drawsRandomNumbers(*parsed);

    Evaluator eq;
    eq.Equation(text);
    for (double x : xs) {
        eq.Var("x", x);
        eq.Var("t", -x);
        const Outcome mine = solveOnce(eq);
        if (!comparable) continue;
        // A new object starts from result 0; a kept one keeps its last result where nothing is
        // left to read, so compare on a fresh object each time.
        Evaluator fresh;
        fresh.Equation(text);
        fresh.Var("x", x);
        fresh.Var("t", -x);
        const Outcome first = solveOnce(fresh);
        const Outcome full = fullEvaluation(parsed, parseError ? &*parseError : nullptr, x, style);
        if (!first.same(full)) std::abort();
        if (!mine.ok && !mine.same(full)) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    exercise<clsEquation>(text, FailureStyle::MarkCell);
    exercise<Equação>(text, FailureStyle::PresetResult);
    return 0;
}
