#include "evaluator/arithmetic.h"

#include <cmath>

namespace plotaris::detail {

Outcome toLong(double v, std::int32_t& out) {
    const double r = std::nearbyint(v);  // the default rounding mode takes a half to the even neighbour
    if (!(r >= -2147483648.0 && r <= 2147483647.0)) return Outcome::Overflow;
    out = static_cast<std::int32_t>(r);
    return Outcome::Ok;
}

namespace {

Outcome integerQuotient(double a, double b, double& out) {
    std::int32_t x, y;
    if (auto o = toLong(a, x); o != Outcome::Ok) return o;
    if (auto o = toLong(b, y); o != Outcome::Ok) return o;
    if (y == 0) return Outcome::DivisionByZero;
    if (x == INT32_MIN && y == -1) return Outcome::Overflow;  // the quotient has no 32-bit value
    out = x / y;
    return Outcome::Ok;
}

}  // namespace

Outcome power(double a, double b, double& out) {
    if (a == 0.0 && b < 0.0) return Outcome::DivisionByZero;
    if (a < 0.0 && b != std::trunc(b)) return Outcome::Invalid;
    if (b == 2.0) return checked(square(a), out);  // the commonest power
    if (b == 1.0) return checked(a, out);
    if (b == 3.0) return checked(cube(a), out);
    return checked(std::pow(a, b), out);
}

Outcome remainder32(double a, double b, double& out) {
    std::int32_t x, y;
    if (auto o = toLong(a, x); o != Outcome::Ok) return o;
    if (auto o = toLong(b, y); o != Outcome::Ok) return o;
    if (y == 0) return Outcome::DivisionByZero;
    out = y == -1 ? 0 : x % y;  // INT32_MIN % -1 would trap; the remainder is 0 anyway
    return Outcome::Ok;
}

Outcome applyOperator(Operator op, double a, double b, double& out) {
    switch (op) {
        case Operator::Mul: return checked(a * b, out);
        case Operator::Div: return divide(a, b, out);
        case Operator::IntDiv: return integerQuotient(a, b, out);
        case Operator::Add: return checked(a + b, out);
        case Operator::Sub: return checked(a - b, out);
        case Operator::Pow: return power(a, b, out);
        case Operator::Mod: return remainder32(a, b, out);
    }
    return Outcome::Invalid;
}

}  // namespace plotaris::detail
