// The operators of the expression language, on values already read from their cells.
#pragma once

#include <cstdint>

#include "evaluator/outcome.h"

namespace plotaris::detail {

enum class Operator : unsigned char { Mul, Div, IntDiv, Add, Sub, Pow, Mod };

// Every Double result is tested: beyond the Double range or invalid is an overflow.
inline Outcome checked(double r, double& out) {
    if (!(r - r == 0.0)) return Outcome::Overflow;  // infinite or NaN
    out = r;
    return Outcome::Ok;
}

// A division as the operators and the functions make it: x ÷ 0 is error 11, 0 ÷ 0 error 6.
inline Outcome divide(double a, double b, double& out) {
    if (b == 0.0) return a == 0.0 ? Outcome::Overflow : Outcome::DivisionByZero;
    return checked(a / b, out);
}

// A power of exponent 2. The product is the exactly rounded square; the compact form squares the
// same way.
inline double square(double a) { return a * a; }

// A power of exponent 3, the value std::pow(a, 3) gives, at a fraction of its cost.
double cube(double a);
// The two ways cube() takes, by the processor: with the fused multiply-add (only where
// cubeCanUseFma()) and without.
double cubeWithFma(double a);
double cubeBySplitting(double a);
bool cubeCanUseFma();

// Conversion to a 32-bit integer: to the nearest, a half to the even neighbour.
Outcome toLong(double v, std::int32_t& out);

// The remainder of two values converted to 32-bit integers; the sign is the left one's.
Outcome remainder32(double a, double b, double& out);

// a raised to the power b: the left operand is the base.
Outcome power(double a, double b, double& out);

// a op b. On anything but Ok, `out` is left untouched.
Outcome applyOperator(Operator op, double a, double b, double& out);

}  // namespace plotaris::detail
