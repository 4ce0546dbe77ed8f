// The compact form of an expression: the operations that an evaluation without failures performs,
// in its order, on numbers only. It is prepared once per text by following the evaluation; each
// sample then runs it without touching texts or cells. When something unusual happens at a sample
// (an error, or a point that changes which cells are filled), the form gives up and the full
// evaluation runs instead, which gives the exact value or error.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "evaluator/arithmetic.h"
#include "evaluator/equation.h"
#include "evaluator/function_library.h"
#include "evaluator/variables.h"

namespace plotaris::detail {

class CompiledForm {
public:
    CompiledForm() = default;
    CompiledForm(const CompiledForm&) = delete;
    CompiledForm& operator=(const CompiledForm&) = delete;

    // The commonest operations run inline; the others go through the operator and function tables.
    enum class Op : unsigned char {
        Negate, Add, Subtract, Multiply, Divide, Square, Operator,
        Sin, Cos, Tan, Abs, Sqrt, Ln, Function,
    };

    struct Instruction {
        Op op;
        Operator oper;   // Op::Operator
        Function fn;     // Op::Function
        std::int32_t dst, a, b;  // places in the value list
    };

    // Building, while the evaluation is followed.
    std::int32_t constant(double v);
    std::int32_t variable(const std::string& name);
    bool isConstant(std::int32_t place) const { return constant_[static_cast<std::size_t>(place)]; }
    double constantValue(std::int32_t place) const { return values_[static_cast<std::size_t>(place)]; }
    std::int32_t emitNegate(std::int32_t a);
    std::int32_t emitOperator(Operator oper, std::int32_t a, std::int32_t b);
    std::int32_t emitFunction(Function fn, std::int32_t x, std::int32_t y);
    void setResult(std::int32_t place) { result_ = place; }

    // One sample. False when the form cannot give this sample's value: the full evaluation must run.
    // The form is bound to one set of variables, and stays where it was built (it holds addresses
    // of its own values).
    bool run(const Variables& vars, FailureStyle style, double& result);

private:
    std::int32_t emit(Instruction in);

    // The instructions with their operands as addresses: a variable is read where the variables
    // keep it, with no copy per sample. Linked again whenever a variable comes or goes.
    struct Linked {
        Op op;
        Operator oper;
        Function fn;
        const double* a;
        const double* b;
        double* dst;
    };
    bool link(const Variables& vars);

    struct Slot {
        std::int32_t place;
        std::string name;
        int index = -1;  // in the variables, valid while their generation is `generation_`
    };

    std::vector<double> values_;  // constants, variables' values and results, by place
    std::vector<bool> constant_;
    std::vector<Instruction> code_;
    std::vector<Slot> slots_;
    std::vector<Linked> linked_;
    bool linkedAll_ = false;  // every variable was found
    const double* resultAddress_ = nullptr;
    std::uint64_t generation_ = ~0ull;
    std::int32_t result_ = -1;
};

}  // namespace plotaris::detail
