#include "evaluator/tokenizer.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <locale.h>

#include "evaluator/errors.h"
#include "evaluator/text_case.h"

namespace plotaris::detail {

namespace {

constexpr int kInt16Max = 32767;
constexpr int kInt16Min = -32768;

class Tokenizer {
public:
    ParsedExpression run(std::string_view text) {
        if (utf16Length(text) >= static_cast<std::size_t>(kInt16Max)) raiseOverflow();
        out_.tokens.emplace_back();  // position 0 is unused
        priorities_.push_back(0);
        for (char c : text) take(c);
        endPending();
        if (level_ != 0) raise(kErrParentheses, "Número de parênteses incorrecto.");
        buildOrder();
        return std::move(out_);
    }

private:
    enum class Pending { None, Name, Number };

    void take(char c) {
        if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_') {
            if (pending_ == Pending::Number) {
                endPending();
                emit(TokenKind::Multiply, "*", level_ + 3);  // «2x» is 2*x
            }
            if (pending_ == Pending::None) pending_ = Pending::Name;
            pendingText_ += c;
            afterOperand_ = true;
        } else if ((c >= '0' && c <= '9') || c == '.') {
            if (pending_ == Pending::None) pending_ = Pending::Number;
            pendingText_ += c == '.' ? ',' : c;  // a digit after a name continues the name: «x2»
            afterOperand_ = true;
        } else if (c == '(') {
            open();
        } else if (c == '*' || c == '/' || c == '\\') {
            endPending();
            emit(c == '*' ? TokenKind::Multiply : c == '/' ? TokenKind::Divide : TokenKind::IntDivide, std::string(1, c),
                 level_ + 3);
            afterOperand_ = false;
        } else if (c == '+') {
            endPending();
            emit(TokenKind::Add, "+", level_ + 1);
            afterOperand_ = false;
        } else if (c == '-') {
            endPending();
            if (afterOperand_) emit(TokenKind::Subtract, "-", level_ + 1);
            else emit(TokenKind::Negate, "~", level_ + 4);
            afterOperand_ = false;
        } else if (c == '^') {
            endPending();
            emit(TokenKind::Power, "^", level_ + 5);
            afterOperand_ = false;
        } else if (c == '%') {
            endPending();
            emit(TokenKind::Remainder, "%", level_ + 2);
            afterOperand_ = false;
        } else if (c == ',') {
            endPending();
            emit(TokenKind::Separator, "", 0);
            afterOperand_ = false;
        } else if (c == ')') {
            endPending();
            emit(TokenKind::Close, ")", level_);
            if (level_ - 7 < kInt16Min) raiseOverflow();
            level_ -= 7;
            afterOperand_ = true;
        }
        // Anything else (blanks, accented letters, "=", ...) is skipped and ends nothing: «2 3» is 23.
    }

    void open() {
        if (level_ + 14 > kInt16Max) raiseOverflow();
        if (pending_ == Pending::Name) {
            emit(TokenKind::Function, pendingText_ + "(", level_ + 7);
            pendingText_.clear();
            pending_ = Pending::None;
        } else {
            if (pending_ == Pending::Number) {
                endPending();
                emit(TokenKind::Multiply, "*", level_ + 3);  // «2(x+1)» is 2*(x+1)
            }
            emit(TokenKind::Open, "(", level_ + 7);
        }
        level_ += 7;
        maxPriority_ = std::max(maxPriority_, level_ + 7);
        afterOperand_ = false;
    }

    void endPending() {
        if (pending_ == Pending::None) return;
        if (pending_ == Pending::Name) emit(TokenKind::Name, pendingText_, level_ + 6);
        else emit(TokenKind::Number, pendingText_, 0);
        pendingText_.clear();
        pending_ = Pending::None;
    }

    void emit(TokenKind kind, std::string text, int priority) {
        if (out_.size() + 1 >= kInt16Max) raiseOverflow();
        Token t;
        t.kind = kind;
        switch (kind) {
            case TokenKind::Number: t.numeral = readNumeral(text, t.value); break;
            case TokenKind::Name:
                t.name = text == "pi" ? NameKind::Pi : text == "e" ? NameKind::E : text == "rnd" ? NameKind::Rnd
                                                                                           : NameKind::Variable;
                break;
            case TokenKind::Function: t.function = lookupFunction(text); break;
            default: break;
        }
        t.text = std::move(text);
        out_.tokens.push_back(std::move(t));
        priorities_.push_back(priority);
    }

    // Highest priority first; equal priorities from left to right. Priorities of 0 or less are
    // no operations (numbers, separators, tokens after a stray ")").
    void buildOrder() {
        for (std::int32_t p = 1; p <= out_.size(); ++p)
            if (priorities_[p] >= 1 && priorities_[p] <= maxPriority_) out_.order.push_back(p);
        std::stable_sort(out_.order.begin(), out_.order.end(),
                         [&](std::int32_t a, std::int32_t b) { return priorities_[a] > priorities_[b]; });
    }

    ParsedExpression out_;
    std::vector<int> priorities_;
    int level_ = 0;
    int maxPriority_ = 7;
    Pending pending_ = Pending::None;
    std::string pendingText_;
    bool afterOperand_ = false;
};

// Decimal conversion in the C locale, for numerals beyond what from_chars returns.
double cLocaleStrtod(const std::string& s) {
    static locale_t c = newlocale(LC_NUMERIC_MASK, "C", nullptr);
    return strtod_l(s.c_str(), nullptr, c);
}

}  // namespace

ParsedExpression parseExpression(std::string_view text) { return Tokenizer().run(text); }

Numeral readNumeral(std::string_view text, double& value) {
    if (text.empty() || text == "," || std::count(text.begin(), text.end(), ',') > 1) return Numeral::No;
    std::string s(text);
    std::replace(s.begin(), s.end(), ',', '.');
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec == std::errc() && end == s.data() + s.size()) return Numeral::Valid;
    if (ec != std::errc::result_out_of_range) return Numeral::No;
    // Out of range: too large unless the numeral is below 1, where it only loses precision.
    const bool belowOne = s.find_first_not_of("0") == s.find('.');
    if (!belowOne) return Numeral::TooLarge;
    value = cLocaleStrtod(s);
    return Numeral::Valid;
}

}  // namespace plotaris::detail
