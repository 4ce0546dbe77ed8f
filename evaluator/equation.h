// The evaluator object: one analytic expression, its variables and its value.
//
// clsEquation and Equação are one design; they differ only in what a point that cannot be
// computed gives (clsEquation marks the failing operation with 1000, Equação presets the result
// to 1000). Every drawing creates its own object, sets the expression, and per sample sets the
// variable, solves and reads the solution.
#pragma once

#include <cstring>
#include <exception>
#include <memory>
#include <string>

#include "evaluator/sample_state.h"

namespace plotaris {

// A failure that stops an evaluation: 1100, 1101, 1102, 1104 of the evaluator's own,
// 6 (overflow) or 11 (division by zero). The source is always "Interpretador".
struct EvaluatorError : std::exception {
    int number;
    std::string source;
    std::string description;  // UTF-8

    EvaluatorError(int number, std::string description);
    const char* what() const noexcept override;
};

namespace detail {

// What a point that cannot be computed leaves behind.
enum class FailureStyle {
    MarkCell,      // the failing operation's cell holds 1000 (clsEquation)
    PresetResult,  // the result is 1000 unless the evaluation completes (Equação)
};

class EquationState;

// The one design behind both evaluator classes.
class EquationObject {
public:
    EquationObject(const EquationObject&) = delete;
    EquationObject& operator=(const EquationObject&) = delete;

    void Graus(bool b);
    bool Graus() const;
    void VarClear();
    // Equation, Var and Solution run at every sample of a drawing: they are defined here and
    // inlined into the drawing loop, whatever the optimiser decides across files.
    //
    // The same text again changes nothing: the drawings give the text at every sample.
    [[gnu::always_inline]] void Equation(const std::string& e) {
        const std::string* given = sample_->givenText;
        if (!given || e.size() != given->size() || std::memcmp(e.data(), given->data(), e.size()) != 0)
            anotherText(e);
        sample_->stale = true;
    }
    std::string Equation() const;
    void VarRemove(const std::string& name);
    [[gnu::always_inline]] double Solution() {
        if (sample_->stale) Solve();
        return sample_->result;
    }
    void Solve();
    double Var(const std::string& name) const;
    [[gnu::always_inline]] void Var(const std::string& name, double num) {
        sample_->stale = true;
        sample_->vars.set(name, num);
    }

protected:
    explicit EquationObject(FailureStyle style);
    ~EquationObject();

private:
    __attribute__((noinline)) void anotherText(const std::string& e);

    std::unique_ptr<EquationState> state_;
    SampleState* sample_;  // the same object as state_, seen from here
};

}  // namespace detail

// The evaluator of the graph windows: a failing operation's cell holds 1000.
class clsEquation : public detail::EquationObject {
public:
    clsEquation();
};

// The evaluator of the special-curves window: the result is 1000 unless the evaluation completes.
class Equação : public detail::EquationObject {
public:
    Equação();
};

}  // namespace plotaris
