// Any bytes as one to five expression texts (cut at line breaks), evaluated at a few values with
// both evaluator classes. Nothing may crash, hang, leak or invoke undefined behaviour, and whatever
// way the object takes to a value (its compact forms, Equação's forms for failing functions, a text
// given again or in turn with others) must agree, value for value and error for error, with the
// full evaluation.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// One text as the full evaluation sees it.
struct Text {
    std::string given;
    std::optional<ParsedExpression> parsed;
    std::optional<EvaluatorError> error;  // from the tokenizer
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

// The full evaluation alone, on the result the object holds (which it keeps where nothing is left
// to read, and keeps on an error).
Outcome fullEvaluation(const Text& text, double x, FailureStyle style, double& result) {
    Outcome o;
    if (text.error) {
        o.error = text.error->number;
        o.description = text.error->description;
        return o;
    }
    Variables vars;
    vars.set("x", x);
    vars.set("t", -x);
    WorkList cells;
    try {
        evaluate(*text.parsed, vars, style, cells, result);
        o.ok = true;
        o.value = result;
    } catch (const EvaluatorError& e) {
        o.error = e.number;
        o.description = e.description;
    }
    return o;
}

// A variable may hold anything a caller gives it, infinities and NaN included.
const double kValues[] = {0.0, 1.0, -2.5, 1e300, -1e-300, 7.0, 0.5, HUGE_VAL, std::nan("")};

// Gives the text, solves at x and checks the value against the full evaluation.
template <class Evaluator>
void sample(Evaluator& eq, const Text& text, double x, FailureStyle style, double& expected, bool compare,
            bool giveText) {
    if (giveText) {
        eq.Equation(text.given);
        if (eq.Equation() != toLowerCase(text.given)) std::abort();
    }
    eq.Var("x", x);
    eq.Var("t", -x);
    const Outcome mine = solveOnce(eq);
    const Outcome full = fullEvaluation(text, x, style, expected);
    if (compare && !mine.same(full)) std::abort();
}

template <class Evaluator>
void exercise(const std::vector<Text>& texts, FailureStyle style, bool compare) {
    // Each text given once and solved at every value, as most drawings do.
    for (const Text& text : texts) {
        Evaluator eq;
        double expected = 0.0;  // a new object's result
        eq.Equation(text.given);
        for (double x : kValues) sample(eq, text, x, style, expected, compare, false);
    }
    // Every text given in turn at every value on one object, as the parametric window gives its two.
    Evaluator eq;
    double expected = 0.0;
    for (double x : kValues)
        for (const Text& text : texts) sample(eq, text, x, style, expected, compare, true);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    constexpr std::size_t kMostTexts = 5;  // one more than the object keeps
    std::vector<Text> texts;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (texts.size() < kMostTexts) {
        const std::size_t end = rest.find('\n');
        texts.push_back(Text{std::string(rest.substr(0, end)), {}, {}});
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    bool compare = true;
    for (Text& text : texts) {
        try {
            text.parsed = parseExpression(toLowerCase(text.given));
            compare = compare && !drawsRandomNumbers(*text.parsed);
        } catch (const EvaluatorError& e) {
            text.error = e;
        }
    }
    exercise<clsEquation>(texts, FailureStyle::MarkCell, compare);
    exercise<Equação>(texts, FailureStyle::PresetResult, compare);
    return 0;
}
