#include "evaluator/function_library.h"

#include <cmath>

#include "evaluator/arithmetic.h"
#include "evaluator/random_source.h"

namespace plotaris::detail {

namespace {

constexpr std::string_view kTokens[] = {
    "abs(", "arctg(", "atn(", "cos(", "exp(", "fix(", "int(", "log(", "rnd(", "sgn(", "sin(", "sen(", "sqr(",
    "tg(", "tan(", "min(", "max(", "random(", "mod(", "logn(", "rand(", "sec(", "cosec(", "cotan(", "cotg(",
    "arcsin(", "arcsen(", "arccos(", "arcsec(", "arccosec(", "arccotg(", "arccotan(", "sinh(", "senh(", "cosh(",
    "tgh(", "tanh(", "sech(", "cosech(", "cotgh(", "cotanh(", "arcsinh(", "arcsenh(", "arccosh(", "arctgh(",
    "arctanh(", "arcsech(", "arccosech(", "arccotgh(", "arccotanh(", "log10(", "log2(", "ln(", "graus(", "rad(",
    "mant(",
};
static_assert(std::size(kTokens) == static_cast<std::size_t>(Function::Unknown));

// Each formula is computed step by step, in the order written; a step that fails ends it. The
// quarter turn is 2·atn(1), computed where it is used.
class Formula {
public:
    Outcome outcome = Outcome::Ok;

    double fail(Outcome o) {
        if (outcome == Outcome::Ok) outcome = o;
        return 0.0;
    }
    double check(double r) {
        if (outcome != Outcome::Ok) return 0.0;
        double v = 0.0;
        return checked(r, v) == Outcome::Ok ? v : fail(Outcome::Overflow);
    }
    double add(double a, double b) { return check(a + b); }
    double sub(double a, double b) { return check(a - b); }
    double mul(double a, double b) { return check(a * b); }
    double div(double a, double b) {
        if (outcome != Outcome::Ok) return 0.0;
        double v = 0.0;
        const Outcome o = divide(a, b, v);
        return o == Outcome::Ok ? v : fail(o);
    }
    double sqrt(double a) {
        if (outcome != Outcome::Ok) return 0.0;
        double r = 0.0;
        return squareRoot(a, r) ? r : fail(Outcome::Invalid);
    }
    double ln(double a) {
        if (outcome != Outcome::Ok) return 0.0;
        double r = 0.0;
        return naturalLogarithm(a, r) ? check(r) : fail(Outcome::Invalid);
    }
    double exp(double a) { return outcome != Outcome::Ok ? 0.0 : check(exponential(a)); }
    double atn(double a) { return arctangent(a); }
    double quarterTurn() { return 2.0 * arctangent(1.0); }
    static double sgn(double a) { return a > 0.0 ? 1.0 : a < 0.0 ? -1.0 : 0.0; }

    Outcome result(double r, double& out) {
        if (outcome != Outcome::Ok) return outcome;
        return checked(r, out);
    }
};

// r·(y − x) + x, as "random(" computes it from its draw r.
Outcome randomBetween(double x, double y, double& out) {
    RandomSource& source = randomSource();
    source.reseedFromClock();
    Formula f;
    const double r = source.next();
    return f.result(f.add(f.mul(r, f.sub(y, x)), x), out);
}

Outcome rndFunction(double x, double& out) {
    RandomSource& source = randomSource();
    source.reseedFromClock();
    if (x > 0.0) out = source.next();
    else if (x == 0.0) out = source.last();
    else out = source.seeded(x);
    return Outcome::Ok;
}

Outcome randInteger(double x, double& out) {
    RandomSource& source = randomSource();
    source.reseedFromClock();
    Formula f;
    const double r = source.next();
    return f.result(std::floor(f.mul(r, x)), out);
}

}  // namespace

Function lookupFunction(std::string_view token) {
    for (std::size_t i = 0; i < std::size(kTokens); ++i)
        if (kTokens[i] == token) return static_cast<Function>(i);
    return Function::Unknown;
}

bool drawsRandomNumbers(Function f) { return f == Function::Rnd || f == Function::Random || f == Function::Rand; }

Outcome applyFunction(Function fn, double x, double y, double& out) {
    Formula f;
    switch (fn) {
        case Function::Abs: return f.result(absoluteValue(x), out);
        case Function::Arctg:
        case Function::Atn: return f.result(f.atn(x), out);
        case Function::Cos: return f.result(cosine(x), out);
        case Function::Exp: return f.result(f.exp(x), out);
        case Function::Fix: return f.result(std::trunc(x), out);
        case Function::Int: return f.result(std::floor(x), out);
        case Function::Log:
        case Function::Ln: return f.result(f.ln(x), out);
        case Function::Rnd: return rndFunction(x, out);
        case Function::Sgn: return f.result(Formula::sgn(x), out);
        case Function::Sin:
        case Function::Sen: return f.result(sine(x), out);
        case Function::Sqr: return f.result(f.sqrt(x), out);
        case Function::Tg:
        case Function::Tan: return f.result(tangent(x), out);
        case Function::Min: return f.result(x < y ? x : y, out);
        case Function::Max: return f.result(x > y ? x : y, out);
        case Function::Random: return randomBetween(x, y, out);
        case Function::Mod: return remainder32(x, y, out);
        case Function::Logn: {
            const double a = f.ln(x);
            const double b = f.ln(y);
            return f.result(f.div(a, b), out);
        }
        case Function::Rand: return randInteger(x, out);
        case Function::Sec: return f.result(f.div(1.0, cosine(x)), out);
        case Function::Cosec: return f.result(f.div(1.0, sine(x)), out);
        case Function::Cotan:
        case Function::Cotg: return f.result(f.div(1.0, tangent(x)), out);
        case Function::Arcsin:
        case Function::Arcsen: return f.result(f.atn(f.div(x, f.sqrt(f.add(f.mul(-x, x), 1.0)))), out);
        case Function::Arccos:
            return f.result(f.add(f.atn(f.div(-x, f.sqrt(f.add(f.mul(-x, x), 1.0)))), f.quarterTurn()), out);
        case Function::Arcsec: {
            const double inner = f.sub(f.atn(f.sqrt(f.sub(f.mul(x, x), 1.0))), f.quarterTurn());
            return f.result(f.add(f.mul(inner, Formula::sgn(x)), f.quarterTurn()), out);
        }
        case Function::Arccosec:
            return f.result(f.mul(Formula::sgn(x), f.atn(f.div(1.0, f.sqrt(f.sub(f.mul(x, x), 1.0))))), out);
        case Function::Arccotg:
        case Function::Arccotan: return f.result(f.sub(f.quarterTurn(), f.atn(x)), out);
        case Function::Sinh:
        case Function::Senh: return f.result(hyperbolicSine(x), out);
        case Function::Cosh: return f.result(hyperbolicCosine(x), out);
        case Function::Tgh:
        case Function::Tanh: return f.result(hyperbolicTangent(x), out);
        case Function::Sech: {
            const double a = f.exp(x), b = f.exp(-x);
            return f.result(f.div(2.0, f.add(a, b)), out);
        }
        case Function::Cosech: {
            const double a = f.exp(x), b = f.exp(-x);
            return f.result(f.div(2.0, f.sub(a, b)), out);
        }
        case Function::Cotgh:
        case Function::Cotanh: {
            const double a = f.exp(x), b = f.exp(-x);
            const double num = f.add(a, b);
            return f.result(f.div(num, f.sub(a, b)), out);
        }
        case Function::Arcsinh:
        case Function::Arcsenh: return f.result(f.ln(f.add(x, f.sqrt(f.add(f.mul(x, x), 1.0)))), out);
        case Function::Arccosh: return f.result(f.ln(f.add(x, f.sqrt(f.sub(f.mul(x, x), 1.0)))), out);
        case Function::Arctgh:
        case Function::Arctanh: {
            const double num = f.add(1.0, x);
            const double ratio = f.div(num, f.sub(1.0, x));
            return f.result(f.div(f.ln(ratio), 2.0), out);
        }
        case Function::Arcsech: {
            const double num = f.add(f.sqrt(f.add(f.mul(-x, x), 1.0)), 1.0);
            return f.result(f.ln(f.div(num, x)), out);
        }
        case Function::Arccosech: {
            const double num = f.add(f.mul(Formula::sgn(x), f.sqrt(f.add(f.mul(x, x), 1.0))), 1.0);
            return f.result(f.ln(f.div(num, x)), out);
        }
        case Function::Arccotgh:
        case Function::Arccotanh: {
            const double num = f.add(x, 1.0);
            const double ratio = f.div(num, f.sub(x, 1.0));
            return f.result(f.div(f.ln(ratio), 2.0), out);
        }
        case Function::Log10: {
            const double a = f.ln(x);
            return f.result(f.div(a, f.ln(10.0)), out);
        }
        case Function::Log2: {
            const double a = f.ln(x);
            return f.result(f.div(a, f.ln(2.0)), out);
        }
        case Function::Graus: return f.result(f.mul(x, 57.2957795131), out);
        case Function::Rad: return f.result(f.mul(x, 0.01745329251995), out);
        case Function::Mant: return f.result(f.sub(x, std::floor(x)), out);
        case Function::Unknown: break;
    }
    return Outcome::Invalid;
}

}  // namespace plotaris::detail
