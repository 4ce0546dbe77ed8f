// The evaluator object: one analytic expression, its variables and its value.
//
// clsEquation and Equação are one design; they differ only in what a point that cannot be
// computed gives (clsEquation marks the failing operation with 1000, Equação presets the result
// to 1000). Every drawing creates its own object, sets the expression, and per sample sets the
// variable, solves and reads the solution.
#pragma once

#include <exception>
#include <memory>
#include <string>

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
    void Equation(const std::string& e);
    std::string Equation() const;
    void VarRemove(const std::string& name);
    double Solution();
    void Solve();
    double Var(const std::string& name) const;
    void Var(const std::string& name, double num);

protected:
    explicit EquationObject(FailureStyle style);
    ~EquationObject();

private:
    std::unique_ptr<EquationState> state_;
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
