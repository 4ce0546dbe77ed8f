// The 56 function names of the expression language and how each value is computed.
#pragma once

#include <cmath>
#include <string_view>

#include "evaluator/outcome.h"

namespace plotaris::detail {

// In the order in which a function token is compared with them.
enum class Function : unsigned char {
    Abs, Arctg, Atn, Cos, Exp, Fix, Int, Log, Rnd, Sgn, Sin, Sen, Sqr, Tg, Tan,
    Min, Max, Random, Mod, Logn, Rand,
    Sec, Cosec, Cotan, Cotg, Arcsin, Arcsen, Arccos, Arcsec, Arccosec, Arccotg, Arccotan,
    Sinh, Senh, Cosh, Tgh, Tanh, Sech, Cosech, Cotgh, Cotanh,
    Arcsinh, Arcsenh, Arccosh, Arctgh, Arctanh, Arcsech, Arccosech, Arccotgh, Arccotanh,
    Log10, Log2, Ln, Graus, Rad, Mant,
    Unknown,  // a function token equal to none of the names
};

// The function a token such as "sen(" names (the name followed by "(").
Function lookupFunction(std::string_view token);

// Functions that draw random numbers: their values change from one evaluation to the next.
bool drawsRandomNumbers(Function f);

// The functions that the compact form also applies in line. These are their only definitions:
// applyFunction computes them the same way.
inline double sine(double x) { return std::sin(x); }
inline double cosine(double x) { return std::cos(x); }
inline double tangent(double x) { return std::tan(x); }
inline double arctangent(double x) { return std::atan(x); }
inline double absoluteValue(double x) { return std::fabs(x); }
inline double exponential(double x) { return std::exp(x); }
// The hyperbolic functions from exp(x) and exp(-x), in the order written. An exponential beyond
// the Double range makes the value itself infinite or NaN, so testing the value alone tells
// whether a step failed.
inline double hyperbolicSine(double x) { return (exponential(x) - exponential(-x)) / 2.0; }
inline double hyperbolicCosine(double x) { return (exponential(x) + exponential(-x)) / 2.0; }
inline double hyperbolicTangent(double x) {
    const double a = exponential(x), b = exponential(-x);
    return (a - b) / (a + b);
}
// False outside the domain (an invalid argument): a negative x.
inline bool squareRoot(double x, double& out) {
    if (x < 0.0) return false;
    out = std::sqrt(x);
    return true;
}
// False outside the domain (an invalid argument): x zero or negative.
inline bool naturalLogarithm(double x, double& out) {
    if (x <= 0.0) return false;
    out = std::log(x);
    return true;
}

// The value of f for its first argument x and its last argument y (functions of one argument
// use x alone). On anything but Ok, `out` is left untouched.
Outcome applyFunction(Function f, double x, double y, double& out);

}  // namespace plotaris::detail
