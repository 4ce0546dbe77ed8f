#include "evaluator/compiled_form.h"

#include <cmath>
#include <limits>

#include "evaluator/text_case.h"

namespace plotaris::detail {

std::int32_t CompiledForm::constant(double v) {
    values_.push_back(v);
    constant_.push_back(true);
    return static_cast<std::int32_t>(values_.size()) - 1;
}

std::int32_t CompiledForm::variable(const std::string& name) {
    for (const Slot& s : slots_)
        if (sameKey(s.name, name)) return s.place;
    values_.push_back(0.0);
    constant_.push_back(false);
    slots_.push_back(Slot{static_cast<std::int32_t>(values_.size()) - 1, name});
    return slots_.back().place;
}

std::int32_t CompiledForm::emit(Instruction in) {
    values_.push_back(0.0);
    constant_.push_back(false);
    in.dst = static_cast<std::int32_t>(values_.size()) - 1;
    code_.push_back(in);
    return in.dst;
}

std::int32_t CompiledForm::emitNegate(std::int32_t a) {
    return emit({Op::Negate, Operator::Mul, Function::Unknown, 0, a, a});
}

std::int32_t CompiledForm::emitOperator(Operator oper, std::int32_t a, std::int32_t b) {
    Op op = Op::Operator;
    switch (oper) {
        case Operator::Add: op = Op::Add; break;
        case Operator::Sub: op = Op::Subtract; break;
        case Operator::Mul: op = Op::Multiply; break;
        case Operator::Div:
            op = Op::Divide;
            // Dividing by a power of two is multiplying by its inverse, exactly, and much faster.
            if (isConstant(b)) {
                int exponent = 0;
                const double c = constantValue(b);
                if (std::frexp(c, &exponent) == 0.5 && exponent > -1000 && exponent < 1000) {
                    b = constant(1.0 / c);
                    op = Op::Multiply;
                }
            }
            break;
        case Operator::Pow:
            if (isConstant(b) && constantValue(b) == 2.0) op = Op::Square;
            break;
        default: break;
    }
    return emit({op, oper, Function::Unknown, 0, a, b});
}

std::int32_t CompiledForm::emitFunction(Function fn, std::int32_t x, std::int32_t y) {
    Op op = Op::Function;
    switch (fn) {
        case Function::Sin:
        case Function::Sen: op = Op::Sin; break;
        case Function::Cos: op = Op::Cos; break;
        case Function::Tg:
        case Function::Tan: op = Op::Tan; break;
        case Function::Abs: op = Op::Abs; break;
        case Function::Sqr: op = Op::Sqrt; break;
        case Function::Log:
        case Function::Ln: op = Op::Ln; break;
        default: break;
    }
    return emit({op, Operator::Mul, fn, 0, x, y});
}

bool CompiledForm::link(const Variables& vars) {
    generation_ = vars.generation();
    linkedAll_ = true;
    std::vector<const double*> where(values_.size());
    for (std::size_t i = 0; i < values_.size(); ++i) where[i] = values_.data() + i;
    for (Slot& s : slots_) {
        s.index = vars.find(s.name);
        if (s.index < 0) linkedAll_ = false;
        else where[static_cast<std::size_t>(s.place)] = vars.address(s.index);
    }
    linked_.clear();
    for (const Instruction& in : code_)
        linked_.push_back(Linked{in.op, in.oper, in.fn, where[static_cast<std::size_t>(in.a)],
                                 where[static_cast<std::size_t>(in.b)], values_.data() + in.dst});
    resultAddress_ = where[static_cast<std::size_t>(result_)];
    return linkedAll_;
}

bool CompiledForm::run(const Variables& vars, FailureStyle style, double& result) {
    if (generation_ != vars.generation()) link(vars);
    if (!linkedAll_) return false;  // the full evaluation reports the undefined variable
    // An invalid argument marks the cell with 1000; where the cell would stay empty instead,
    // the cells that later operations find change, so the full evaluation takes over.
    const bool marks = style == FailureStyle::MarkCell;
    for (const Linked& in : linked_) {
        const double x = *in.a;
        double r;
        switch (in.op) {
            case Op::Negate: r = -x; break;
            case Op::Add: r = x + *in.b; break;
            case Op::Subtract: r = x - *in.b; break;
            case Op::Multiply: r = x * *in.b; break;
            case Op::Divide: r = x / *in.b; break;  // x ÷ 0 is not finite
            case Op::Square: r = x * x; break;      // as the power operator squares
            case Op::Sin: r = std::sin(x); break;
            case Op::Cos: r = std::cos(x); break;
            case Op::Tan: r = std::tan(x); break;
            case Op::Abs: r = std::fabs(x); break;
            case Op::Sqrt:
                if (x < 0.0) {
                    if (!marks) return false;
                    r = 1000.0;
                } else {
                    r = std::sqrt(x);
                }
                break;
            case Op::Ln:
                if (x <= 0.0) {
                    if (!marks) return false;
                    r = 1000.0;
                } else {
                    r = std::log(x);
                }
                break;
            case Op::Operator:
                switch (applyOperator(in.oper, x, *in.b, r)) {
                    case Outcome::Ok: break;
                    case Outcome::Invalid: r = x; break;  // the left operand keeps its value
                    default: return false;
                }
                break;
            case Op::Function:
                switch (applyFunction(in.fn, x, *in.b, r)) {
                    case Outcome::Ok: break;
                    case Outcome::Invalid:
                        if (!marks) return false;
                        r = 1000.0;
                        break;
                    default: return false;
                }
                break;
            default: __builtin_unreachable();
        }
        // A value beyond the Double range stops the operation that made it: the full evaluation
        // finds which error it is.
        if (!(std::fabs(r) <= std::numeric_limits<double>::max())) [[unlikely]]
            return false;
        *in.dst = r;
    }
    result = *resultAddress_;
    return true;
}

}  // namespace plotaris::detail
