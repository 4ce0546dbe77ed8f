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
        case Operator::Div: op = Op::Divide; break;
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

bool CompiledForm::run(const Variables& vars, FailureStyle style, double& result) {
    double* v = values_.data();
    if (generation_ != vars.generation()) {
        for (Slot& s : slots_) s.index = vars.find(s.name);
        generation_ = vars.generation();
    }
    for (const Slot& s : slots_) {
        if (s.index < 0) return false;  // the full evaluation reports the undefined variable
        v[s.place] = vars.valueAt(s.index);
    }
    // An invalid argument marks the cell with 1000; where the cell would stay empty instead,
    // the cells that later operations find change, so the full evaluation takes over.
    const bool marks = style == FailureStyle::MarkCell;
    for (const Instruction& in : code_) {
        const double x = v[in.a];
        double r;
        switch (in.op) {
            case Op::Negate: r = -x; break;
            case Op::Add: r = x + v[in.b]; break;
            case Op::Subtract: r = x - v[in.b]; break;
            case Op::Multiply: r = x * v[in.b]; break;
            case Op::Divide: r = x / v[in.b]; break;  // x ÷ 0 is not finite
            case Op::Square: r = x * x; break;        // as the power operator squares
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
                switch (applyOperator(in.oper, x, v[in.b], r)) {
                    case Outcome::Ok: break;
                    case Outcome::Invalid: r = x; break;  // the left operand keeps its value
                    default: return false;
                }
                break;
            case Op::Function:
                switch (applyFunction(in.fn, x, v[in.b], r)) {
                    case Outcome::Ok: break;
                    case Outcome::Invalid:
                        if (!marks) return false;
                        r = 1000.0;
                        break;
                    default: return false;
                }
                break;
        }
        // A value beyond the Double range stops the operation that made it: the full evaluation
        // finds which error it is.
        if (!(std::fabs(r) <= std::numeric_limits<double>::max())) return false;
        v[in.dst] = r;
    }
    result = v[result_];
    return true;
}

}  // namespace plotaris::detail
