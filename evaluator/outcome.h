// What one arithmetic step or function gives besides its value.
#pragma once

namespace plotaris::detail {

enum class Outcome : unsigned char {
    Ok,
    Invalid,         // an invalid argument (square root of a negative, ...): absorbed by the evaluation
    Overflow,        // error 6: a value beyond a Double or a 32-bit integer, or 0 ÷ 0
    DivisionByZero,  // error 11
};

}  // namespace plotaris::detail
