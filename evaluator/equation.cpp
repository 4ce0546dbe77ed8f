// The evaluator object: a cache around the tokenizer and the evaluation. A text is tokenized once
// (setting the same text again, or one of the last few texts, reuses the earlier tokens, which are
// the same); the value is computed by `Solve`, and `Solution` computes only when stale.
#include "evaluator/equation.h"

#include "evaluator/compiled_form.h"
#include "evaluator/evaluation.h"
#include "evaluator/recent_texts.h"
#include "evaluator/tokenizer.h"
#include "evaluator/variables.h"
#include "evaluator/vector_state.h"
#include "evaluator/work_list.h"

namespace plotaris {

EvaluatorError::EvaluatorError(int n, std::string d)
    : number(n), source("Interpretador"), description(std::move(d)) {}

const char* EvaluatorError::what() const noexcept { return description.c_str(); }

namespace detail {

class EquationState : public SampleState {
public:
    explicit EquationState(FailureStyle s) : style(s) {}

    FailureStyle style;
    bool parsed = true;
    bool graus = false;
    RecentTexts texts;
    GivenText* text = nullptr;  // the current text, once one is given
    // The compact form tried first, when the text has one and is parsed: the text's own, or, in
    // Equação, the form that gave the last sample where functions failed, since such samples come
    // in runs.
    CompiledForm* form = nullptr;
    WorkList cells;

    // A text given again stands as tokenized, unless tokenizing it failed: that error comes again.
    void given(GivenText& t) {
        text = &t;
        givenText = &t.raw;
        parsed = t.tokenized && !t.error;
        form = parsed && t.form ? &*t.form : nullptr;
    }

    void parse() {
        GivenText& t = *text;
        if (!t.tokenized) {
            try {
                t.parsed = parseExpression(t.lowerCase);
                t.form.emplace(style);
                if (!compile(t.parsed, cells, *t.form)) t.form.reset();
            } catch (const EvaluatorError& e) {
                t.error = e;
            }
            t.tokenized = true;
        }
        given(t);
        if (t.error) throw *t.error;
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
        } else if (form && text->form && form != &*text->form) {
            // The failures of the last samples are over: back to the text's own form.
            form->takeFailedSite();
            form = &*text->form;
            if (form->run(vars, result)) return;
        }
        if (form && style == FailureStyle::PresetResult) {
            if (CompiledForm* gave = text->failurePaths.run(*form, text->parsed, cells, vars, result)) {
                form = gave;
                return;
            }
        }
        if (text) evaluate(text->parsed, vars, style, cells, result);
        else evaluate(ParsedExpression{{Token{}}, {}}, vars, style, cells, result);  // nothing given yet
    }
};

EquationObject::EquationObject(FailureStyle style)
    : state_(std::make_unique<EquationState>(style)), sample_(state_.get()) {}

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

void EquationObject::anotherText(const std::string& e) { state_->given(state_->texts.take(e)); }

std::string EquationObject::Equation() const { return state_->text ? state_->text->lowerCase : std::string(); }

void EquationObject::VarRemove(const std::string& name) {
    state_->vars.remove(name);
    state_->stale = true;
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

}  // namespace detail

clsEquation::clsEquation() : EquationObject(detail::FailureStyle::MarkCell) {}

Equação::Equação() : EquationObject(detail::FailureStyle::PresetResult) {}

}  // namespace plotaris
