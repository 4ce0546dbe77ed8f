// The work list of one evaluation: one cell per token, positions from 1. Each operation replaces
// its operands by its result; consumed cells become null. Finding the nearest filled cell on
// either side of a position must stay fast for long expressions, so the filled cells are also
// kept in a two-level bit set.
#pragma once

#include <bit>
#include <cstdint>
#include <vector>

#include "evaluator/token.h"

namespace plotaris::detail {

struct Cell {
    enum class Kind : unsigned char { Null, Text, Number };
    Kind kind = Kind::Null;
    std::int32_t token = 0;    // Text: the position of the token whose text the cell holds
    double number = 0.0;       // Number: its value
    std::int32_t operand = 0;  // Number, while the evaluation is being compiled: where its value lives
};

class WorkList {
public:
    // Copies the tokens into the cells (a separator becomes a null cell).
    void load(const ParsedExpression& e) {
        n_ = e.size();
        cells_.assign(static_cast<std::size_t>(n_) + 1, Cell{});
        words_.assign(static_cast<std::size_t>(n_) / 64 + 1, 0);
        summary_.assign(words_.size() / 64 + 1, 0);
        for (std::int32_t p = 1; p <= n_; ++p)
            if (e.tokens[p].kind != TokenKind::Separator) setText(p, p);
    }

    std::int32_t size() const { return n_; }
    bool valid(std::int32_t p) const { return p >= 1 && p <= n_; }
    const Cell& operator[](std::int32_t p) const { return cells_[static_cast<std::size_t>(p)]; }

    void setText(std::int32_t p, std::int32_t token) {
        cells_[p] = Cell{Cell::Kind::Text, token, 0.0, 0};
        mark(p);
    }
    void setNumber(std::int32_t p, double v, std::int32_t operand = 0) {
        cells_[p] = Cell{Cell::Kind::Number, 0, v, operand};
        mark(p);
    }
    void set(std::int32_t p, const Cell& c) {
        cells_[p] = c;
        if (c.kind == Cell::Kind::Null) unmark(p);
        else mark(p);
    }
    void setNull(std::int32_t p) {
        cells_[p] = Cell{};
        unmark(p);
    }

    // The first filled position after k, or 0.
    std::int32_t next(std::int32_t k) const {
        std::int32_t p = k < 0 ? 1 : k + 1;
        if (p > n_) return 0;
        std::size_t w = static_cast<std::size_t>(p) >> 6;
        if (const std::uint64_t bits = words_[w] & (~0ull << (p & 63))) return at(w, std::countr_zero(bits));
        for (std::size_t s = (w + 1) >> 6; s < summary_.size(); ++s) {
            std::uint64_t sbits = summary_[s];
            if (s == ((w + 1) >> 6)) sbits &= ~0ull << ((w + 1) & 63);
            if (sbits) {
                const std::size_t word = s * 64 + static_cast<std::size_t>(std::countr_zero(sbits));
                return at(word, std::countr_zero(words_[word]));
            }
        }
        return 0;
    }

    // The last filled position before k, down to 1, or 0.
    std::int32_t prev(std::int32_t k) const {
        std::int32_t p = k > n_ + 1 ? n_ : k - 1;
        if (p < 1) return 0;
        const std::size_t w = static_cast<std::size_t>(p) >> 6;
        const int bit = p & 63;
        const std::uint64_t mask = bit == 63 ? ~0ull : (1ull << (bit + 1)) - 1;
        if (const std::uint64_t bits = words_[w] & mask) return at(w, 63 - std::countl_zero(bits));
        if (w == 0) return 0;
        const std::size_t lastWord = w - 1;
        for (std::size_t s = (lastWord >> 6) + 1; s-- > 0;) {
            std::uint64_t sbits = summary_[s];
            if (s == (lastWord >> 6)) {
                const int last = static_cast<int>(lastWord & 63);
                sbits &= last == 63 ? ~0ull : (1ull << (last + 1)) - 1;
            }
            if (sbits) {
                const std::size_t word = s * 64 + static_cast<std::size_t>(63 - std::countl_zero(sbits));
                return at(word, 63 - std::countl_zero(words_[word]));
            }
        }
        return 0;
    }

private:
    static std::int32_t at(std::size_t word, int bit) { return static_cast<std::int32_t>(word * 64 + bit); }
    void mark(std::int32_t p) {
        const std::size_t w = static_cast<std::size_t>(p) >> 6;
        words_[w] |= 1ull << (p & 63);
        summary_[w >> 6] |= 1ull << (w & 63);
    }
    void unmark(std::int32_t p) {
        const std::size_t w = static_cast<std::size_t>(p) >> 6;
        words_[w] &= ~(1ull << (p & 63));
        if (words_[w] == 0) summary_[w >> 6] &= ~(1ull << (w & 63));
    }

    std::int32_t n_ = 0;
    std::vector<Cell> cells_;
    std::vector<std::uint64_t> words_;    // bit p: cell p is filled
    std::vector<std::uint64_t> summary_;  // bit w: word w has a filled cell
};

}  // namespace plotaris::detail
