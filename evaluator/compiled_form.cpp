#include "evaluator/compiled_form.h"

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
        default: break;
    }
    return emit({op, oper, Function::Unknown, 0, a, b});
}

std::int32_t CompiledForm::emitFunction(Function fn, std::int32_t x, std::int32_t y) {
    return emit({Op::Function, Operator::Mul, fn, 0, x, y});
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
    for (const Instruction& in : code_) {
        double r;
        switch (in.op) {
            case Op::Negate:
                r = -v[in.a];
                if (!(r - r == 0.0)) return false;
                break;
            case Op::Add:
                r = v[in.a] + v[in.b];
                if (!(r - r == 0.0)) return false;
                break;
            case Op::Subtract:
                r = v[in.a] - v[in.b];
                if (!(r - r == 0.0)) return false;
                break;
            case Op::Multiply:
                r = v[in.a] * v[in.b];
                if (!(r - r == 0.0)) return false;
                break;
            case Op::Divide:
                if (v[in.b] == 0.0) return false;
                r = v[in.a] / v[in.b];
                if (!(r - r == 0.0)) return false;
                break;
            case Op::Operator:
                switch (applyOperator(in.oper, v[in.a], v[in.b], r)) {
                    case Outcome::Ok: break;
                    case Outcome::Invalid: r = v[in.a]; break;  // the left operand keeps its value
                    default: return false;
                }
                break;
            case Op::Function:
                switch (applyFunction(in.fn, v[in.a], v[in.b], r)) {
                    case Outcome::Ok: break;
                    case Outcome::Invalid:
                        // Marked with 1000; where the cell would stay empty instead, the cells that
                        // later operations find change, so the full evaluation takes over.
                        if (style != FailureStyle::MarkCell) return false;
                        r = 1000.0;
                        break;
                    default: return false;
                }
                break;
        }
        v[in.dst] = r;
    }
    result = v[result_];
    return true;
}

}  // namespace plotaris::detail
