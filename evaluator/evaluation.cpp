#include "evaluator/evaluation.h"

#include <algorithm>
#include <cstdio>
#include <type_traits>

#include "evaluator/errors.h"
#include "evaluator/random_source.h"

namespace plotaris::detail {

namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kE = 2.718281828;
constexpr double kMark = 1000.0;  // what clsEquation writes in the cell of an operation that failed

struct CompileAbandoned {};

// The steps of the evaluation, written once. In `Compiling` mode the numbers are places in the
// compiled form instead of values: operations are recorded (or folded when their operands are
// constants). A failure that depends on the values abandons the compilation. For Equação, the
// failures that depend on no value (a cell that holds no number, a position outside the list) are
// followed as the evaluation follows them, and so are the functions that the form is built to see
// fail (`failing`, by site).
template <bool Compiling>
class Evaluation {
    using Value = std::conditional_t<Compiling, std::int32_t, double>;

public:
    Evaluation(const ParsedExpression& e, const Variables* vars, FailureStyle style, WorkList& cells,
               CompiledForm* form, std::span<const std::int32_t> failing = {})
        : e_(e), vars_(vars), style_(style), cells_(cells), form_(form), failing_(failing) {}

    void run(double& result) {
        if constexpr (Compiling) x_ = y_ = form_->constant(0.0);  // the arguments before any is read
        // With no tokens there is no work list, and nothing can be read from it.
        listExists_ = e_.size() > 0;
        if (listExists_) cells_.load(e_);
        else failed(Outcome::Invalid);
        lookupFlag_ = false;
        // Equação's result is 1000 unless the evaluation gets to its end.
        if (!Compiling && style_ == FailureStyle::PresetResult) result = kMark;

        const auto bound = static_cast<std::int32_t>(e_.order.size());
        for (i_ = 1; i_ <= bound; ++i_) {
            // The tokens in priority order, each acting on its neighbours in the work list.
            site_ = i_;
            k_ = e_.order[static_cast<std::size_t>(i_ - 1)];
            tok_ = cells_[k_];
            dispatch();
        }

        // What is left in the first filled cell is the value.
        Value v{};
        bool stored = false;
        if (!listExists_) failed(Outcome::Invalid);
        else if (read(cells_.next(0), v)) {
            store(result, v);
            stored = true;
        }
        if constexpr (Compiling) {
            if (failingMet_ != failing_.size()) throw CompileAbandoned{};  // a site that is no failing function here
            if (!stored) form_->finish(form_->constant(kMark));            // Equação's result stays 1000
        }
    }

private:
    const Token& token(const Cell& c) const { return e_.tokens[static_cast<std::size_t>(c.token)]; }

    std::string tokText() const {
        switch (tok_.kind) {
            case Cell::Kind::Text: return token(tok_).text;
            case Cell::Kind::Null: return {};
            case Cell::Kind::Number: {
                char buf[32];
                std::snprintf(buf, sizeof buf, "%.15g", tok_.number);
                return buf;
            }
        }
        return {};
    }

    void dispatch() {
        if (tok_.kind == Cell::Kind::Text) {
            switch (token(tok_).kind) {
                case TokenKind::Negate: return negate();
                case TokenKind::Multiply: return binary(Operator::Mul);
                case TokenKind::Divide: return binary(Operator::Div);
                case TokenKind::IntDivide: return binary(Operator::IntDiv);
                case TokenKind::Add: return binary(Operator::Add);
                case TokenKind::Subtract: return binary(Operator::Sub);
                case TokenKind::Power: return binary(Operator::Pow);
                case TokenKind::Remainder: return binary(Operator::Mod);
                case TokenKind::Open: return group();
                default: break;
            }
        }
        // A function token ends with "("; an empty cell cannot even be asked what it is.
        if (tok_.kind == Cell::Kind::Null) {
            failed(Outcome::Invalid);
            return functionCall();
        }
        if (tok_.kind == Cell::Kind::Text && token(tok_).kind == TokenKind::Function) return functionCall();
        name();
    }

    // "~" (a minus sign before an operand): the operand that follows, negated, takes its cell.
    void negate() {
        p_ = cells_.next(k_);
        Value v{};
        if (read(p_, v)) {
            if constexpr (Compiling) {
                write(k_, form_->isConstant(v) ? form_->constant(-form_->constantValue(v)) : form_->emitNegate(v));
            } else {
                double r = 0.0;
                if (checked(-v, r) == Outcome::Ok) write(k_, r);
                else failed(Outcome::Overflow);
            }
        }
        clear(p_);
    }

    // Operators between two operands: the result takes the left operand's cell, and the operator's
    // and the right operand's cells are emptied. The left operand is read first.
    void binary(Operator op) {
        a_ = cells_.prev(k_);
        b_ = cells_.next(k_);
        Value x{}, y{};
        if (read(a_, x) && read(b_, y)) {
            if constexpr (Compiling) {
                double r = 0.0;
                const bool folds = form_->isConstant(x) && form_->isConstant(y) &&
                                   applyOperator(op, form_->constantValue(x), form_->constantValue(y), r) == Outcome::Ok;
                write(a_, folds ? form_->constant(r) : form_->emitOperator(op, x, y));
            } else {
                double r = 0.0;
                const Outcome o = applyOperator(op, x, y, r);
                if (o == Outcome::Ok) write(a_, r);
                else failed(o);
            }
        }
        clear(b_);
        clear(k_);
    }

    // "(": the first filled cell inside moves into the parenthesis's cell, and that cell and the
    // closing parenthesis are emptied; an empty pair of parentheses is 0.
    void group() {
        ++i_;
        readOrder(c_);
        p_ = cells_.next(k_);
        if (p_ >= c_) {
            Value zero{};
            if constexpr (Compiling) zero = form_->constant(0.0);
            write(k_, zero);
            clear(c_);
        } else {
            if (cells_.valid(p_)) cells_.set(k_, cells_[p_]);
            else failed(Outcome::Invalid);
            clear(p_);
            clear(c_);
        }
    }

    // Function tokens: the function of the arguments inside its parentheses takes the function's
    // cell. X is the first filled cell inside, Y the last.
    void functionCall() {
        ++i_;
        readOrder(c_);
        a_ = cells_.next(k_);
        b_ = cells_.prev(c_);
        if (a_ >= c_) raiseError(kErrInvalidArgument, "Argumento inválido na expressão: " + tokText() + ")");
        if (Value v{}; read(a_, v)) x_ = v;
        if (b_ <= k_) raiseError(kErrInvalidArgument, "Argumento inválido na expressão: " + tokText() + ")");
        if (Value v{}; read(b_, v)) y_ = v;
        clear(b_);
        clear(a_);
        clear(k_);
        clear(c_);
        const Function f = tok_.kind == Cell::Kind::Text ? token(tok_).function : Function::Unknown;
        if (f == Function::Unknown) raiseError(kErrUndefinedFunction, "Função não definida: " + tokText() + ")");
        if constexpr (Compiling) {
            if (drawsRandomNumbers(f)) throw CompileAbandoned{};
            const bool fails = std::find(failing_.begin(), failing_.end(), site_) != failing_.end();
            failingMet_ += fails;
            if (form_->isConstant(x_) && form_->isConstant(y_)) {
                double r = 0.0;
                const Outcome o = applyFunction(f, form_->constantValue(x_), form_->constantValue(y_), r);
                if (o == Outcome::Ok && !fails) return write(k_, form_->constant(r));
                if (o == Outcome::Invalid && style_ == FailureStyle::PresetResult) return;  // the cell stays empty
                if (fails) throw CompileAbandoned{};  // it fails otherwise, or never
            }
            if (fails) {
                form_->emitFunction(f, x_, y_, site_, true);  // the cell stays empty
                return;
            }
            write(k_, form_->emitFunction(f, x_, y_, site_));
        } else {
            double r = 0.0;
            const Outcome o = applyFunction(f, x_, y_, r);
            if (o == Outcome::Ok) write(k_, r);
            else failed(o);
        }
    }

    // Names: a constant ("pi", "e"), "rnd" or a variable becomes its value; a name that is not a
    // variable fails. The constants come before the variables.
    void name() {
        if (tok_.kind == Cell::Kind::Text && token(tok_).kind == TokenKind::Name) {
            switch (token(tok_).name) {
                case NameKind::Pi: return writeConstant(kPi);
                case NameKind::E: return writeConstant(kE);
                case NameKind::Rnd:
                    if constexpr (Compiling) throw CompileAbandoned{};
                    else return write(k_, static_cast<double>(randomSource().next()));
                case NameKind::Variable: break;
            }
        }
        // A number taken as a name: its text is not known while compiling.
        if constexpr (Compiling) {
            if (tok_.kind != Cell::Kind::Text) throw CompileAbandoned{};
        }
        lookupFlag_ = true;
        const std::string key = tokText();
        if constexpr (Compiling) {
            write(k_, form_->variable(key));
        } else {
            const int index = vars_->find(key);
            if (index >= 0) write(k_, vars_->valueAt(index));
            else failed(Outcome::Invalid);
        }
        lookupFlag_ = false;
    }

    void writeConstant(double v) {
        if constexpr (Compiling) write(k_, form_->constant(v));
        else write(k_, v);
    }

    // c = Order(i); reading past its end fails and leaves c as it was.
    void readOrder(std::int32_t& c) {
        if (i_ >= 1 && i_ <= static_cast<std::int32_t>(e_.order.size())) c = e_.order[static_cast<std::size_t>(i_ - 1)];
        else failed(Outcome::Invalid);
    }

    // The numeric value of a cell; false (after the failure rule) when it has none.
    bool read(std::int32_t pos, Value& out) {
        if (!listExists_ || !cells_.valid(pos)) return failed(Outcome::Invalid), false;
        const Cell& cell = cells_[pos];
        switch (cell.kind) {
            case Cell::Kind::Null: return failed(Outcome::Invalid), false;
            case Cell::Kind::Number:
                if constexpr (Compiling) out = cell.operand;
                else out = cell.number;
                return true;
            case Cell::Kind::Text: {
                const Token& t = token(cell);
                if (t.numeral == Numeral::TooLarge) return failed(Outcome::Overflow), false;
                if (t.numeral == Numeral::No) return failed(Outcome::Invalid), false;
                if constexpr (Compiling) out = form_->constant(t.value);
                else out = t.value;
                return true;
            }
        }
        return false;
    }

    void write(std::int32_t pos, Value v) {
        if (!listExists_ || !cells_.valid(pos)) return failed(Outcome::Invalid);
        if constexpr (Compiling) cells_.setNumber(pos, 0.0, v);
        else cells_.setNumber(pos, v);
    }

    void clear(std::int32_t pos) {
        if (!listExists_ || !cells_.valid(pos)) return failed(Outcome::Invalid);
        cells_.setNull(pos);
    }

    void store(double& result, Value v) {
        if constexpr (Compiling) form_->finish(v);
        else result = v;
    }

    // The failure rule.
    void failed(Outcome o) {
        if constexpr (Compiling) {
            // While compiling, only a cell or a position can fail: whatever the values, the same
            // failure at every sample. Equação goes on past it, with nothing to mark.
            if (o != Outcome::Invalid || style_ != FailureStyle::PresetResult || lookupFlag_) throw CompileAbandoned{};
            return;
        }
        markCell();
        switch (o) {
            case Outcome::Overflow: raiseOverflow();
            case Outcome::DivisionByZero: raiseDivisionByZero();
            case Outcome::Invalid:
                if (lookupFlag_) raise(kErrUndefinedVariable, "Variável não definida: " + tokText());
                break;
            case Outcome::Ok: break;
        }
    }

    [[noreturn]] void raiseError(int number, std::string description) {
        if constexpr (Compiling) throw CompileAbandoned{};
        markCell();
        raise(number, std::move(description));
    }

    void markCell() {
        if (style_ == FailureStyle::MarkCell && listExists_ && k_ != 0) cells_.setNumber(k_, kMark);
    }

    const ParsedExpression& e_;
    const Variables* vars_;
    FailureStyle style_;
    WorkList& cells_;
    CompiledForm* form_;
    std::span<const std::int32_t> failing_;
    std::size_t failingMet_ = 0;

    bool listExists_ = false;
    bool lookupFlag_ = false;
    // The locals keep their values from one token to the next within a call.
    std::int32_t i_ = 0, k_ = 0, a_ = 0, b_ = 0, c_ = 0, p_ = 0;
    std::int32_t site_ = 0;  // the value of i_ at which the current token's steps began
    Value x_{}, y_{};
    Cell tok_{};
};

}  // namespace

void evaluate(const ParsedExpression& e, const Variables& vars, FailureStyle style, WorkList& cells, double& result) {
    Evaluation<false>(e, &vars, style, cells, nullptr).run(result);
}

bool compile(const ParsedExpression& e, WorkList& cells, CompiledForm& form, std::span<const std::int32_t> failing) {
    if (!failing.empty() && form.style() != FailureStyle::PresetResult) return false;
    try {
        double unused = 0.0;
        Evaluation<true>(e, nullptr, form.style(), cells, &form, failing).run(unused);
        return true;
    } catch (const CompileAbandoned&) {
        return false;
    }
}

}  // namespace plotaris::detail
