// Placeholder while the evaluator is being written: every expression evaluates to 0.
#include "evaluator/equation.h"

namespace plotaris {

EvaluatorError::EvaluatorError(int n, std::string d)
    : number(n), source("Interpretador"), description(std::move(d)) {}
const char* EvaluatorError::what() const noexcept { return description.c_str(); }

namespace detail {
class EquationState {
public:
    bool graus = false;
    std::string text;
};
EquationObject::EquationObject(FailureStyle) : state_(std::make_unique<EquationState>()) {}
EquationObject::~EquationObject() = default;
void EquationObject::Graus(bool b) { state_->graus = b; }
bool EquationObject::Graus() const { return state_->graus; }
void EquationObject::VarClear() {}
void EquationObject::Equation(const std::string& e) { state_->text = e; }
std::string EquationObject::Equation() const { return state_->text; }
void EquationObject::VarRemove(const std::string&) {}
double EquationObject::Solution() { return 0; }
void EquationObject::Solve() {}
double EquationObject::Var(const std::string&) const { return 0; }
void EquationObject::Var(const std::string&, double) {}
}  // namespace detail

clsEquation::clsEquation() : EquationObject(detail::FailureStyle::MarkCell) {}
Equação::Equação() : EquationObject(detail::FailureStyle::PresetResult) {}

}  // namespace plotaris
