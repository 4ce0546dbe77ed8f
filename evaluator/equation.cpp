// The evaluator object: a cache around the tokenizer and the evaluation. The text is tokenized
// once after each change of text (setting the same text again reuses the earlier tokens, which
// are the same); the value is computed by `Solve`, and `Solution` computes only when stale.
#include "evaluator/equation.h"

#include <optional>

#include "evaluator/compiled_form.h"
#include "evaluator/evaluation.h"
#include "evaluator/failure_paths.h"
#include "evaluator/text_case.h"
#include "evaluator/tokenizer.h"
#include "evaluator/variables.h"
#include "evaluator/vector_state.h"
#include "evaluator/work_list.h"

namespace plotaris {

EvaluatorError::EvaluatorError(int n, std::string d)
    : number(n), source("Interpretador"), description(std::move(d)) {}

const char* EvaluatorError::what() const noexcept { return description.c_str(); }

namespace detail {

// The outcome of tokenizing one text: its tokens, order and compact form, or the error it raises.
struct ParseOutcome {
    std::string text;
    ParsedExpression parsed;
    std::optional<CompiledForm> form;
    std::optional<EvaluatorError> error;
    FailurePaths failurePaths;  // Equação's forms for samples where functions fail
};

class EquationState {
public:
    explicit EquationState(FailureStyle s) : style(s) {}

    FailureStyle style;
    bool stale = false;
    bool parsed = true;
    bool graus = false;
    std::string rawText;         // the text as last given, to recognise it cheaply when given again
    std::string expressionText;  // in lower case
    bool textChanged = false;    // since the last tokenizing
    double result = 0.0;
    Variables vars;
    std::optional<ParseOutcome> last;  // the last text tokenized
    CompiledForm* form = nullptr;      // its compact form, when it has one and is parsed
    WorkList cells;

    void parse() {
        form = nullptr;
        if (!last || (textChanged && last->text != expressionText)) {
            last.emplace();
            last->text = expressionText;
            try {
                last->parsed = parseExpression(expressionText);
                last->form.emplace(style);
                if (!compile(last->parsed, cells, *last->form)) last->form.reset();
            } catch (const EvaluatorError& e) {
                last->error = e;
            }
        }
        textChanged = false;
        if (last->error) throw *last->error;
        parsed = true;
        form = last->form ? &*last->form : nullptr;
    }

    // The sample of a drawing: the compact form gives the value. Everything else is kept out of
    // this path, so that the call stays cheap.
    void solve() {
        if (!parsed || !form || !form->run(vars, result)) solveFully();
        stale = false;
    }

    __attribute__((noinline)) void solveFully() {
        if (!parsed) {
            parse();
            if (form && form->run(vars, result)) return;
        }
        if (form && style == FailureStyle::PresetResult &&
            last->failurePaths.run(*form, last->parsed, cells, vars, result))
            return;
        if (last) evaluate(last->parsed, vars, style, cells, result);
        else evaluate(ParsedExpression{{Token{}}, {}}, vars, style, cells, result);  // nothing given yet
    }
};

EquationObject::EquationObject(FailureStyle style) : state_(std::make_unique<EquationState>(style)) {}

EquationObject::~EquationObject() = default;

void EquationObject::Graus(bool b) {
    if (b == state_->graus) return;
    state_->graus = b;
    state_->stale = true;
}

bool EquationObject::Graus() const { return state_->graus; }

void EquationObject::VarClear() {
    state_->vars.clear();
    state_->stale = true;
}

namespace {

__attribute__((noinline)) void newText(EquationState& s, const std::string& e) {
    s.rawText = e;
    s.expressionText = toLowerCase(e);
    s.textChanged = true;
    s.parsed = false;
}

}  // namespace

void EquationObject::Equation(const std::string& e) {
    EquationState& s = *state_;
    if (e != s.rawText) {
        newText(s, e);
    } else if (s.textChanged || !s.last || s.last->error) {
        s.parsed = false;
    }
    // Otherwise it is the text tokenized last, without error: tokenizing it again would give the
    // same tokens, so they stand (the drawings give the text again at every sample).
    s.stale = true;
}

std::string EquationObject::Equation() const { return state_->expressionText; }

void EquationObject::VarRemove(const std::string& name) {
    state_->vars.remove(name);
    state_->stale = true;
}

double EquationObject::Solution() {
    if (state_->stale) Solve();
    return state_->result;
}

void EquationObject::Solve() {
    // Whatever ran before (the window's own event handling) must not slow the evaluation down.
    clearUpperVectorState();
    state_->solve();
}

double EquationObject::Var(const std::string& name) const {
    const int i = state_->vars.find(name);
    return i < 0 ? 0.0 : state_->vars.valueAt(i);
}

void EquationObject::Var(const std::string& name, double num) {
    state_->stale = true;
    state_->vars.set(name, num);
}

}  // namespace detail

clsEquation::clsEquation() : EquationObject(detail::FailureStyle::MarkCell) {}

Equação::Equação() : EquationObject(detail::FailureStyle::PresetResult) {}

}  // namespace plotaris
