// Building the compact form and laying out its steps.
#include "evaluator/compiled_form.h"

#include <algorithm>
#include <cmath>

#include "evaluator/text_case.h"

namespace plotaris::detail {

std::int32_t CompiledForm::addPlace(PlaceKind kind, std::int32_t index) {
    places_.push_back(Place{kind, index});
    return static_cast<std::int32_t>(places_.size()) - 1;
}

std::int32_t CompiledForm::constant(double v) {
    constants_.push_back(v);
    return addPlace(PlaceKind::Constant, static_cast<std::int32_t>(constants_.size()) - 1);
}

std::int32_t CompiledForm::variable(const std::string& name) {
    for (std::size_t p = 0; p < places_.size(); ++p)
        if (places_[p].kind == PlaceKind::Variable && sameKey(slots_[idx(places_[p].index)].name, name))
            return static_cast<std::int32_t>(p);
    slots_.push_back(Slot{name});
    return addPlace(PlaceKind::Variable, static_cast<std::int32_t>(slots_.size()) - 1);
}

std::int32_t CompiledForm::emit(Operation op) {
    operations_.push_back(op);
    return addPlace(PlaceKind::Result, static_cast<std::int32_t>(operations_.size()) - 1);
}

std::int32_t CompiledForm::emitNegate(std::int32_t a) {
    return emit({OperationKind::Negate, Operator::Mul, Function::Unknown, false, a, a, -1});
}

std::int32_t CompiledForm::emitOperator(Operator oper, std::int32_t a, std::int32_t b) {
    // Dividing by a power of two is multiplying by its inverse, exactly, and much faster.
    if (oper == Operator::Div && isConstant(b)) {
        int exponent = 0;
        const double c = constantValue(b);
        if (std::frexp(c, &exponent) == 0.5 && exponent > -1000 && exponent < 1000) {
            b = constant(1.0 / c);
            oper = Operator::Mul;
        }
    }
    return emit({OperationKind::Operator, oper, Function::Unknown, false, a, b, -1});
}

std::int32_t CompiledForm::emitFunction(Function fn, std::int32_t x, std::int32_t y, std::int32_t site, bool mustFail) {
    return emit({OperationKind::Function, Operator::Mul, fn, mustFail, x, y, site});
}

namespace {

bool takesTwoArguments(Function f) {
    return f == Function::Min || f == Function::Max || f == Function::Random || f == Function::Mod ||
           f == Function::Logn;
}

}  // namespace

int CompiledForm::operandsOf(const Operation& op, std::int32_t& first, std::int32_t& second) const {
    first = op.a;
    second = op.b;
    switch (op.kind) {
        case OperationKind::Negate: return 1;
        case OperationKind::Operator:
            return op.oper == Operator::Pow && isConstant(op.b) &&
                           (constantValue(op.b) == 2.0 || constantValue(op.b) == 3.0)
                       ? 1
                       : 2;
        case OperationKind::Function: return op.a != op.b && takesTwoArguments(op.fn) ? 2 : 1;
    }
    return 1;
}

void CompiledForm::step(Kind kind, std::int32_t leaf, unsigned char which, std::int32_t other, std::int32_t site) {
    // A load right after putting a value aside joins it in one step.
    if ((kind == Kind::Load || kind == Kind::LoadVariable) && !steps_.empty() && steps_.back().kind == Kind::Save) {
        steps_.back() = Step{kind == Kind::Load ? Kind::SaveLoad : Kind::SaveLoadVariable, which, leaf, other, site};
        return;
    }
    steps_.push_back(Step{kind, which, leaf, other, site});
    if (kind == Kind::Save) {
        ++depth_;
        saved_.resize(std::max(saved_.size(), idx(depth_)));
    }
    if (kind == Kind::AddSaved || kind == Kind::SubtractSaved || kind == Kind::MultiplySaved ||
        kind == Kind::DivideSaved || kind == Kind::OperatorSaved || kind == Kind::Function2Saved)
        --depth_;
}

void CompiledForm::loadLeaf(std::int32_t place) {
    step(places_[idx(place)].kind == PlaceKind::Variable ? Kind::LoadVariable : Kind::Load, place);
}

// The step that applies a binary operation to the accumulator and a leaf (the leaf first or
// second), or to a saved value (first) and the accumulator.
void CompiledForm::combine(const Operation& op, std::int32_t leaf, bool leafFirst, bool saved) {
    if (op.kind == OperationKind::Function) {
        const auto fn = static_cast<unsigned char>(static_cast<unsigned char>(op.fn) | (op.mustFail ? kMustFail : 0));
        if (saved) step(Kind::Function2Saved, -1, fn, -1, op.site);
        else step(leafFirst ? Kind::Function2OnLeaf : Kind::Function2, leaf, fn, -1, op.site);
        return;
    }
    switch (op.oper) {
        case Operator::Add:  // the sum and the product do not depend on the order
            if (saved) step(Kind::AddSaved);
            else step(Kind::Add, leaf);
            return;
        case Operator::Mul:
            if (saved) step(Kind::MultiplySaved);
            else step(Kind::Multiply, leaf);
            return;
        case Operator::Sub:
            if (saved) step(Kind::SubtractSaved);
            else step(leafFirst ? Kind::SubtractFrom : Kind::Subtract, leaf);
            return;
        case Operator::Div:
            if (saved) step(Kind::DivideSaved);
            else step(leafFirst ? Kind::DivideInto : Kind::Divide, leaf);
            return;
        case Operator::Pow:
            if (!saved && !leafFirst) {
                step(Kind::Power, leaf);
                return;
            }
            break;
        default: break;
    }
    const auto oper = static_cast<unsigned char>(op.oper);
    if (saved) step(Kind::OperatorSaved, -1, oper);
    else step(leafFirst ? Kind::OperatorOnLeaf : Kind::Operator, leaf, oper);
}

// Lays out one operation and, first, the operations whose results it uses, depth first. The walk
// keeps its own list of pending operations, so that a long expression cannot exhaust the stack.
void CompiledForm::layOut(std::int32_t root) {
    struct Pending {
        std::int32_t operation;
        int stage;
    };
    std::vector<Pending> pending{{root, 0}};
    auto resultOf = [&](std::int32_t place) { return places_[idx(place)].index; };
    while (!pending.empty()) {
        const Pending current = pending.back();
        const Operation& op = operations_[idx(current.operation)];
        std::int32_t first = 0, second = 0;
        const int operands = operandsOf(op, first, second);
        auto next = [&](int stage) { pending.back().stage = stage; };
        auto descend = [&](std::int32_t place) { pending.push_back(Pending{resultOf(place), 0}); };

        if (operands == 1) {
            if (current.stage == 0) {
                next(1);
                if (isLeaf(first)) loadLeaf(first);
                else descend(first);
                continue;
            }
            pending.pop_back();
            if (op.kind == OperationKind::Negate) {
                step(Kind::Negate);
            } else if (op.kind == OperationKind::Operator) {
                step(constantValue(op.b) == 2.0 ? Kind::Square : Kind::Cube);
            } else if (op.mustFail) {
                step(Kind::Function, -1, static_cast<unsigned char>(static_cast<unsigned char>(op.fn) | kMustFail), -1,
                     op.site);
            } else {
                switch (op.fn) {
                    case Function::Sin:
                    case Function::Sen: step(Kind::Sin); break;
                    case Function::Cos: step(Kind::Cos); break;
                    case Function::Tg:
                    case Function::Tan: step(Kind::Tan); break;
                    case Function::Arctg:
                    case Function::Atn: step(Kind::Atn); break;
                    case Function::Abs: step(Kind::Abs); break;
                    case Function::Sqr: step(Kind::Sqrt, -1, 0, -1, op.site); break;
                    case Function::Log:
                    case Function::Ln: step(Kind::Ln, -1, 0, -1, op.site); break;
                    case Function::Exp: step(Kind::Exp); break;
                    case Function::Sinh:
                    case Function::Senh: step(Kind::Sinh); break;
                    case Function::Cosh: step(Kind::Cosh); break;
                    case Function::Tgh:
                    case Function::Tanh: step(Kind::Tanh); break;
                    default: step(Kind::Function, -1, static_cast<unsigned char>(op.fn), -1, op.site); break;
                }
            }
            continue;
        }

        // Two operands. A leaf needs no step of its own: the combining step names it.
        switch (current.stage) {
            case 0:
                if (isLeaf(first) && isLeaf(second) && op.kind == OperationKind::Operator &&
                    (op.oper == Operator::Add || op.oper == Operator::Sub || op.oper == Operator::Mul ||
                     op.oper == Operator::Div)) {
                    pending.pop_back();
                    const Kind pair = op.oper == Operator::Add   ? Kind::AddPair
                                      : op.oper == Operator::Sub ? Kind::SubtractPair
                                      : op.oper == Operator::Mul ? Kind::MultiplyPair
                                                                 : Kind::DividePair;
                    step(pair, first, 0, second);
                } else if (isLeaf(second)) {
                    next(1);
                    if (isLeaf(first)) loadLeaf(first);
                    else descend(first);
                } else if (isLeaf(first)) {
                    next(2);
                    descend(second);
                } else {
                    next(3);
                    descend(first);
                }
                break;
            case 1:  // first in the accumulator, second a leaf
                pending.pop_back();
                combine(op, second, false, false);
                break;
            case 2:  // first a leaf, second in the accumulator
                pending.pop_back();
                combine(op, first, true, false);
                break;
            case 3:  // first in the accumulator: put it aside for the second
                next(4);
                step(Kind::Save);
                descend(second);
                break;
            default:
                pending.pop_back();
                combine(op, -1, false, true);
                break;
        }
    }
}

void CompiledForm::finish(std::int32_t resultPlace) {
    // An operation whose result no other one uses still runs, since it may fail; its value is
    // then dropped. The one that gives the result comes last.
    std::vector<bool> used(operations_.size(), false);
    for (const Operation& op : operations_) {
        std::int32_t first = 0, second = 0;
        const int operands = operandsOf(op, first, second);
        if (!isLeaf(first)) used[idx(places_[idx(first)].index)] = true;
        if (operands == 2 && !isLeaf(second)) used[idx(places_[idx(second)].index)] = true;
    }
    const std::int32_t last = isLeaf(resultPlace) ? -1 : places_[idx(resultPlace)].index;
    for (std::size_t i = 0; i < operations_.size(); ++i)
        if (!used[i] && static_cast<std::int32_t>(i) != last) layOut(static_cast<std::int32_t>(i));
    if (last >= 0) layOut(last);
    else loadLeaf(resultPlace);
}

bool CompiledForm::link(const Variables& vars) {
    generation_ = vars.generation();
    linkedAll_ = true;
    for (Slot& s : slots_) {
        s.index = vars.find(s.name);
        if (s.index < 0) linkedAll_ = false;
    }
    linked_.clear();
    for (const Step& s : steps_)
        linked_.push_back(LinkedStep{s.kind, s.which, s.site, address(s.leaf, vars), address(s.other, vars)});
    linked_.push_back(LinkedStep{Kind::End, 0, -1, nullptr, nullptr});
    return linkedAll_;
}

const double* CompiledForm::address(std::int32_t place, const Variables& vars) const {
    if (place < 0) return nullptr;
    const Place& p = places_[idx(place)];
    if (p.kind == PlaceKind::Constant) return &constants_[idx(p.index)];
    const int v = slots_[idx(p.index)].index;
    return v < 0 ? nullptr : vars.address(v);
}

}  // namespace plotaris::detail
