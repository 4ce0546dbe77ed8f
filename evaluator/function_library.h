// The 56 function names of the expression language and how each value is computed.
#pragma once

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

// The value of f for its first argument x and its last argument y (functions of one argument
// use x alone). On anything but Ok, `out` is left untouched.
Outcome applyFunction(Function f, double x, double y, double& out);

}  // namespace plotaris::detail
