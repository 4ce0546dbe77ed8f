// Cuts an expression text into tokens and orders its operations by priority: each level of
// parentheses adds 7 to the priorities inside it.
#pragma once

#include <string_view>

#include "evaluator/token.h"

namespace plotaris::detail {

// The text must already be in lower case. Raises error 1100 when the parentheses do not balance
// and error 6 when a 16-bit limit is passed (32767 characters or tokens, nesting too deep).
ParsedExpression parseExpression(std::string_view text);

// How a number token's text reads: digits with at most one "," as the decimal point.
Numeral readNumeral(std::string_view text, double& value);

}  // namespace plotaris::detail
