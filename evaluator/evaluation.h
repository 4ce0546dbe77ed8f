// One evaluation of a parsed expression: the tokens are copied into the work list and the
// operations applied in their order, each replacing its operands by its result; the first cell
// still filled is the value.
//
// Failures follow one rule. Overflow (6), division by zero (11) and the evaluator's own errors
// (1100 to 1105) leave the evaluation; an undefined variable leaves it as error 1102; every other
// failure (an invalid argument, a text where a number is needed, an empty cell, a position
// outside the list) is absorbed and the evaluation carries on with the next step. clsEquation
// then marks the current operation's cell with 1000.
#pragma once

#include <cstdint>
#include <span>

#include "evaluator/compiled_form.h"
#include "evaluator/equation.h"
#include "evaluator/token.h"
#include "evaluator/variables.h"
#include "evaluator/work_list.h"

namespace plotaris::detail {

// Evaluates `e` into `result`. `result` is the object's stored value: it is written where the
// evaluation writes it (at the end, and at the start for PresetResult), so an error leaves it
// as it stood then.
void evaluate(const ParsedExpression& e, const Variables& vars, FailureStyle style, WorkList& cells,
              double& result);

// Follows an evaluation and records its operations into `form`, for the evaluator class the form
// is for. The form gives the values of the samples at which no operation fails, save, in Equação,
// the functions applied at the sites `failing` (each the index in the evaluation order at which the
// function token is taken), which must meet an invalid argument. False when the expression cannot
// be compiled so: it fails whatever the values, draws random numbers, or has no such functions.
bool compile(const ParsedExpression& e, WorkList& cells, CompiledForm& form,
             std::span<const std::int32_t> failing = {});

}  // namespace plotaris::detail
