// The tokens an expression text is cut into, and the evaluation order built from their priorities.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "evaluator/function_library.h"

namespace plotaris::detail {

enum class TokenKind : unsigned char {
    Number,     // digits and decimal points, each "." stored as ","
    Name,       // "x", "pi", "e", "rnd", ...
    Function,   // a name and "(" in one token: "sen("
    Open,       // "("
    Close,      // ")"
    Negate,     // unary minus, stored as "~"
    Multiply,   // "*"
    Divide,     // "/"
    IntDivide,  // "\"
    Add,        // "+"
    Subtract,   // "-"
    Power,      // "^"
    Remainder,  // "%"
    Separator,  // "," between arguments: a null cell, not a text
};

enum class NameKind : unsigned char { Pi, E, Rnd, Variable };

// Whether a cell holding this token's text reads as a number.
enum class Numeral : unsigned char { No, Valid, TooLarge };

struct Token {
    TokenKind kind;
    Function function = Function::Unknown;  // Function tokens
    NameKind name = NameKind::Variable;     // Name tokens
    Numeral numeral = Numeral::No;
    double value = 0.0;  // the number a Valid numeral reads as
    std::string text;    // as stored: "2,5", "sen(", "x", "~", "" for the separator
};

// Tokens and order of one parsed text. Positions count from 1, as the work list's cells do;
// `tokens[0]` is unused.
struct ParsedExpression {
    std::vector<Token> tokens;
    std::vector<std::int32_t> order;  // positions of the operations, highest priority first

    std::int32_t size() const { return static_cast<std::int32_t>(tokens.size()) - 1; }
};

}  // namespace plotaris::detail
