// Running the compact form: the hot loop of every drawing.
#include <cfloat>
#include <cmath>
#include <iterator>

#include "evaluator/compiled_form.h"

namespace plotaris::detail {

namespace {

constexpr double kMark = 1000.0;  // what clsEquation gives an operation that cannot be computed

// An infinity or a NaN: the evaluation fails on it, whichever error it is.
inline bool notFinite(double v) { return !(std::fabs(v) <= DBL_MAX); }

// x op y into out. False when the evaluation fails.
inline bool binary(Operator op, double x, double y, double& out) {
    switch (applyOperator(op, x, y, out)) {
        case Outcome::Ok: return true;
        case Outcome::Invalid: out = x; return true;  // the left operand keeps its value
        default: return false;
    }
}

}  // namespace

// A function that met an invalid argument: clsEquation marks its cell with 1000. In Equação the
// cell stays empty, which changes the cells that later operations find: only a form built for that
// failure can go on.
template <bool Marks>
inline bool CompiledForm::invalidArgument(const LinkedStep& s, double& out) {
    if constexpr (Marks) {
        out = kMark;
        return true;
    }
    failedSite_ = s.site;
    return false;
}

template <bool Marks>
inline bool CompiledForm::function(const LinkedStep& s, double x, double y, double& out) {
    if (!Marks && (s.which & kMustFail)) [[unlikely]]  // only Equação's forms have them; the value is never used
        return applyFunction(static_cast<Function>(s.which & ~kMustFail), x, y, out) == Outcome::Invalid;
    switch (applyFunction(static_cast<Function>(s.which), x, y, out)) {
        case Outcome::Ok: return true;
        case Outcome::Invalid: return invalidArgument<Marks>(s, out);
        default: return false;
    }
}

// Each step jumps straight to the next step's code: one dispatch per kind of step, which the
// processor predicts far better than one shared dispatch. (Labels as values: a GNU extension that
// both g++ and clang have.)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"
template <bool Marks>
bool CompiledForm::execute(double& result) {
    static constexpr const void* kCode[] = {
        &&load, &&loadVariable, &&save, &&saveLoad, &&saveLoadVariable, &&negate,
        &&addPair, &&subtractPair, &&multiplyPair, &&dividePair,
        &&add, &&subtract, &&subtractFrom, &&multiply, &&divide, &&divideInto,
        &&addSaved, &&subtractSaved, &&multiplySaved, &&divideSaved, &&squareStep, &&cubeStep,
        &&oper, &&operOnLeaf, &&operSaved, &&power,
        &&sin, &&cos, &&tan, &&atn, &&abs, &&sqrt, &&ln,
        &&exp, &&sinh, &&cosh, &&tanh,
        &&fn, &&fn2, &&fn2OnLeaf, &&fn2Saved, &&end,
    };
    static_assert(std::size(kCode) == static_cast<std::size_t>(Kind::End) + 1);
    double acc = 0.0;
    double* saved = saved_.data();
    bool failed = false;  // some checked step made an infinity or a NaN
    double r = 0.0;       // what a step that may fail gives; the accumulator stays in a register
    const LinkedStep* s = linked_.data();
#define PLOTARIS_NEXT goto* kCode[static_cast<unsigned char>((++s)->kind)]
#define PLOTARIS_CHECKED_NEXT      \
    failed |= notFinite(acc); \
    PLOTARIS_NEXT
    goto* kCode[static_cast<unsigned char>(s->kind)];

load:
    acc = *s->leaf;
    PLOTARIS_NEXT;
loadVariable:
    acc = *s->leaf;
    PLOTARIS_CHECKED_NEXT;
save:
    *saved++ = acc;
    PLOTARIS_NEXT;
saveLoad:
    *saved++ = acc;
    acc = *s->leaf;
    PLOTARIS_NEXT;
saveLoadVariable:
    *saved++ = acc;
    acc = *s->leaf;
    PLOTARIS_CHECKED_NEXT;
negate:
    acc = -acc;
    PLOTARIS_NEXT;
addPair:
    acc = *s->leaf + *s->other;
    PLOTARIS_CHECKED_NEXT;
subtractPair:
    acc = *s->leaf - *s->other;
    PLOTARIS_CHECKED_NEXT;
multiplyPair:
    acc = *s->leaf * *s->other;
    PLOTARIS_CHECKED_NEXT;
dividePair:
    acc = *s->leaf / *s->other;
    PLOTARIS_CHECKED_NEXT;
add:
    acc += *s->leaf;
    PLOTARIS_CHECKED_NEXT;
subtract:
    acc -= *s->leaf;
    PLOTARIS_CHECKED_NEXT;
subtractFrom:
    acc = *s->leaf - acc;
    PLOTARIS_CHECKED_NEXT;
multiply:
    acc *= *s->leaf;
    PLOTARIS_CHECKED_NEXT;
divide:  // by zero is not finite
    acc /= *s->leaf;
    PLOTARIS_CHECKED_NEXT;
divideInto:
    acc = *s->leaf / acc;
    PLOTARIS_CHECKED_NEXT;
addSaved:
    acc = *--saved + acc;
    PLOTARIS_CHECKED_NEXT;
subtractSaved:
    acc = *--saved - acc;
    PLOTARIS_CHECKED_NEXT;
multiplySaved:
    acc = *--saved * acc;
    PLOTARIS_CHECKED_NEXT;
divideSaved:
    acc = *--saved / acc;
    PLOTARIS_CHECKED_NEXT;
squareStep:
    acc = square(acc);
    PLOTARIS_CHECKED_NEXT;
cubeStep:
    acc = cube(acc);
    PLOTARIS_CHECKED_NEXT;
oper:
    if (!binary(static_cast<Operator>(s->which), acc, *s->leaf, r)) return false;
    acc = r;
    PLOTARIS_NEXT;
operOnLeaf:
    if (!binary(static_cast<Operator>(s->which), *s->leaf, acc, r)) return false;
    acc = r;
    PLOTARIS_NEXT;
operSaved:
    if (!binary(static_cast<Operator>(s->which), *--saved, acc, r)) return false;
    acc = r;
    PLOTARIS_NEXT;
power:
    switch (plotaris::detail::power(acc, *s->leaf, r)) {
        case Outcome::Ok: acc = r; break;
        case Outcome::Invalid: break;  // the left operand keeps its value
        default: return false;
    }
    PLOTARIS_NEXT;
sin:
    acc = sine(acc);
    PLOTARIS_NEXT;
cos:
    acc = cosine(acc);
    PLOTARIS_NEXT;
tan:
    acc = tangent(acc);
    PLOTARIS_NEXT;
atn:
    acc = arctangent(acc);
    PLOTARIS_NEXT;
abs:
    acc = absoluteValue(acc);
    PLOTARIS_NEXT;
sqrt:
    if (!squareRoot(acc, r) && !invalidArgument<Marks>(*s, r)) return false;
    acc = r;
    PLOTARIS_NEXT;
ln:
    if (!naturalLogarithm(acc, r) && !invalidArgument<Marks>(*s, r)) return false;
    acc = r;
    PLOTARIS_NEXT;
exp:
    acc = exponential(acc);
    PLOTARIS_CHECKED_NEXT;
sinh:
    acc = hyperbolicSine(acc);
    PLOTARIS_CHECKED_NEXT;
cosh:
    acc = hyperbolicCosine(acc);
    PLOTARIS_CHECKED_NEXT;
tanh:
    acc = hyperbolicTangent(acc);
    PLOTARIS_CHECKED_NEXT;
fn:
    if (!function<Marks>(*s, acc, acc, r)) return false;
    acc = r;
    PLOTARIS_NEXT;
fn2:
    if (!function<Marks>(*s, acc, *s->leaf, r)) return false;
    acc = r;
    PLOTARIS_NEXT;
fn2OnLeaf:
    if (!function<Marks>(*s, *s->leaf, acc, r)) return false;
    acc = r;
    PLOTARIS_NEXT;
fn2Saved:
    if (!function<Marks>(*s, *--saved, acc, r)) return false;
    acc = r;
    PLOTARIS_NEXT;
end:
    if (failed) return false;
    result = acc;
    return true;
#undef PLOTARIS_CHECKED_NEXT
#undef PLOTARIS_NEXT
}
#pragma GCC diagnostic pop

template bool CompiledForm::execute<true>(double&);
template bool CompiledForm::execute<false>(double&);

}  // namespace plotaris::detail
