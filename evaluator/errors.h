// The evaluator's numbered errors and their descriptions.
#pragma once

#include <string>

#include "evaluator/equation.h"

namespace plotaris::detail {

inline constexpr int kErrOverflow = 6;
inline constexpr int kErrDivisionByZero = 11;
inline constexpr int kErrParentheses = 1100;
inline constexpr int kErrUndefinedFunction = 1101;
inline constexpr int kErrUndefinedVariable = 1102;
inline constexpr int kErrInvalidArgument = 1104;

[[noreturn]] inline void raise(int number, std::string description) {
    throw EvaluatorError(number, std::move(description));
}
[[noreturn]] inline void raiseOverflow() { raise(kErrOverflow, "Capacidade excedida"); }
[[noreturn]] inline void raiseDivisionByZero() { raise(kErrDivisionByZero, "Divisão por zero"); }

}  // namespace plotaris::detail
