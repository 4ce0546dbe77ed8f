// The compact form of an expression: the operations that an evaluation without failures performs,
// on numbers only. It is prepared once per text by following the evaluation; each sample then runs
// it without touching texts or cells. When something unusual happens at a sample (an error, or a
// point that changes which cells are filled), the form gives up and the full evaluation runs
// instead, which gives the exact value or error.
//
// The operations are laid out as a flat program of steps on one accumulator, operands first, the
// way a tree is walked: a step combines the accumulator with a constant or a variable named in the
// step, or with the value that an earlier step put aside. Every operation gives exactly the value
// the evaluation gives; only their order may differ, which changes nothing since none of them
// fails without making the form give up.
//
// In Equação a function that meets an invalid argument leaves its cell empty, and the operations
// after it find other neighbours. A form for Equação may therefore be built for the samples at
// which given functions fail: it follows the evaluation past those failures, and each sample
// checks that exactly those functions fail. A form reports where an unforeseen function failed, so
// that the form for that case can be tried next.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "evaluator/arithmetic.h"
#include "evaluator/equation.h"
#include "evaluator/function_library.h"
#include "evaluator/variables.h"

namespace plotaris::detail {

class CompiledForm {
public:
    // The evaluator class the form is built for: it gives that class's values only.
    explicit CompiledForm(FailureStyle style) : style_(style) {}
    FailureStyle style() const { return style_; }
    CompiledForm(const CompiledForm&) = delete;
    CompiledForm& operator=(const CompiledForm&) = delete;

    // Building, while the evaluation is followed. A place is where a value lives: a constant, a
    // variable or the result of an operation.
    std::int32_t constant(double v);
    std::int32_t variable(const std::string& name);
    bool isConstant(std::int32_t place) const { return places_[idx(place)].kind == PlaceKind::Constant; }
    double constantValue(std::int32_t place) const { return constants_[idx(places_[idx(place)].index)]; }
    std::int32_t emitNegate(std::int32_t a);
    std::int32_t emitOperator(Operator oper, std::int32_t a, std::int32_t b);
    // `site` tells the function apart from the others of the text: the index in the evaluation
    // order at which it is applied. A function that must fail is one the form is built to see meet
    // an invalid argument; its value is never used.
    std::int32_t emitFunction(Function fn, std::int32_t x, std::int32_t y, std::int32_t site, bool mustFail = false);
    // The place the evaluation's value is read from; lays out the steps. Called once, last.
    void finish(std::int32_t resultPlace);

    // One sample. False when the form cannot give this sample's value: another form for the failures
    // met, or the full evaluation, must run. The form is bound to one set of variables, and stays
    // where it was built (its steps hold addresses of its own constants).
    bool run(const Variables& vars, double& result) {
        if (generation_ != vars.generation()) [[unlikely]]
            link(vars);
        if (!linkedAll_) return false;  // the full evaluation reports the undefined variable
        return style_ == FailureStyle::MarkCell ? execute<true>(result) : execute<false>(result);
    }

    // After a run that gave up in Equação: the site of the function that met an invalid argument
    // unforeseen, or -1 when the run gave up for another reason. Taken once: the runs themselves
    // do not clear it, to keep the samples cheap.
    std::int32_t takeFailedSite() { return std::exchange(failedSite_, -1); }

private:
    // What a step does. "Leaf" is the constant or variable the step names; "Saved" the value an
    // earlier step put aside. Steps marked "checked" can turn finite operands into an infinity or
    // a NaN, which makes the evaluation fail: the form then gives up.
    enum class Kind : unsigned char {
        Load,          // acc = constant
        LoadVariable,  // acc = variable (checked: a variable may hold anything)
        Save,          // put acc aside
        SaveLoad, SaveLoadVariable,  // put acc aside, then load
        Negate,
        AddPair, SubtractPair, MultiplyPair, DividePair,            // acc = leaf op other leaf; checked
        Add, Subtract, SubtractFrom, Multiply, Divide, DivideInto,  // acc op leaf, leaf op acc; checked
        AddSaved, SubtractSaved, MultiplySaved, DivideSaved,         // saved op acc; checked
        Square, Cube,                                                // checked
        Operator, OperatorOnLeaf, OperatorSaved,  // other operators: acc op leaf, leaf op acc, saved op acc
        Power,                                    // acc ^ leaf
        Sin, Cos, Tan, Atn, Abs, Sqrt, Ln,        // in line
        Exp, Sinh, Cosh, Tanh,                    // in line; checked
        Function,                                 // any function of acc alone
        Function2, Function2OnLeaf, Function2Saved,  // two arguments: (acc, leaf), (leaf, acc), (saved, acc)
        End,                                         // the last step: acc is the value
    };

    static std::size_t idx(std::int32_t i) { return static_cast<std::size_t>(i); }

    enum class PlaceKind : unsigned char { Constant, Variable, Result };
    struct Place {
        PlaceKind kind;
        std::int32_t index;  // in constants_, slots_ or operations_
    };

    enum class OperationKind : unsigned char { Negate, Operator, Function };
    struct Operation {
        OperationKind kind;
        Operator oper;
        Function fn;
        bool mustFail;
        std::int32_t a, b;  // places; a function's first and last argument
        std::int32_t site;  // functions: where the evaluation applies it
    };

    // In a function step's `which`: the function must meet an invalid argument.
    static constexpr unsigned char kMustFail = 0x80;
    static_assert(static_cast<unsigned char>(Function::Unknown) < kMustFail);

    // A step as laid out: its leaves are places, made addresses when the form is linked.
    struct Step {
        Kind kind;
        unsigned char which;        // the Operator or the Function
        std::int32_t leaf = -1;     // a place, or -1
        std::int32_t other = -1;    // the second leaf of a pair
        std::int32_t site = -1;     // function steps
    };
    // A step as run.
    struct LinkedStep {
        Kind kind;
        unsigned char which;
        std::int32_t site;
        const double* leaf;
        const double* other;
    };

    struct Slot {
        std::string name;
        int index = -1;  // in the variables, valid while their generation is `generation_`
    };

    std::int32_t addPlace(PlaceKind kind, std::int32_t index);
    std::int32_t emit(Operation op);
    bool isLeaf(std::int32_t place) const { return places_[idx(place)].kind != PlaceKind::Result; }
    // The places whose values an operation uses (a function of one argument uses its first only).
    int operandsOf(const Operation& op, std::int32_t& first, std::int32_t& second) const;
    void layOut(std::int32_t operation);
    void step(Kind kind, std::int32_t leaf = -1, unsigned char which = 0, std::int32_t other = -1,
              std::int32_t site = -1);
    const double* address(std::int32_t place, const Variables& vars) const;
    void loadLeaf(std::int32_t place);
    void combine(const Operation& op, std::int32_t leaf, bool leafFirst, bool saved);
    bool link(const Variables& vars);
    template <bool Marks>
    bool execute(double& result);
    template <bool Marks>
    bool function(const LinkedStep& s, double x, double y, double& out);
    template <bool Marks>
    bool invalidArgument(const LinkedStep& s, double& out);

    std::vector<Place> places_;
    std::vector<double> constants_;
    std::vector<Slot> slots_;
    std::vector<Operation> operations_;

    std::vector<Step> steps_;
    std::vector<LinkedStep> linked_;
    std::vector<double> saved_;  // the values put aside, as many as the steps ever hold at once
    int depth_ = 0;               // while laying out: values put aside now
    bool linkedAll_ = false;      // every variable was found
    std::uint64_t generation_ = ~0ull;
    FailureStyle style_;
    std::int32_t failedSite_ = -1;
};

}  // namespace plotaris::detail
