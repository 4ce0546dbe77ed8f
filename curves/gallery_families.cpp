// The families are built from their rules: each member belongs to a value n = p/q, q being the
// column's denominator; its caption, curve text and range follow from p and q. The texts keep
// their irregular blanks, "*" and capitals: they reach the evaluator as they are.
#include "curves/gallery_families.h"

#include <algorithm>

namespace plotaris::curves {

namespace {

// The gallery's own value of pi, in the bounds written as multiples of it.
constexpr double kPi = 3.14159;

using Numerators = std::array<int, 9>;

// The nine numerators p of a column with denominator q (1 for "n").
const Numerators& numerators(int q, bool wholeFromOne) {
    static const Numerators whole = {2, 3, 4, 5, 6, 7, 8, 9, 10};
    static const Numerators wholeFromOneOn = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    static const Numerators odd = {1, 3, 5, 7, 9, 11, 13, 15, 17};
    static const Numerators thirds = {1, 2, 4, 5, 7, 8, 10, 11, 13};
    static const Numerators fifths = {1, 2, 3, 4, 6, 7, 8, 9, 11};
    switch (q) {
        case 1: return wholeFromOne ? wholeFromOneOn : whole;
        case 3: return thirds;
        case 5: return fifths;
        default: return odd;  // halves and quarters
    }
}

std::string caption(int p, int q) {
    return "n=" + std::to_string(p) + (q == 1 ? "" : "/" + std::to_string(q));
}

// The digits of p, or nothing for p = 1 where a text leaves the factor out.
std::string factor(int p) { return p == 1 ? std::string() : std::to_string(p); }

// The argument of the trigonometric functions: "Pt" or "Pt/q" (P empty for p = 1).
std::string argumentOverQ(int p, int q) { return factor(p) + "t" + (q == 1 ? "" : "/" + std::to_string(q)); }

std::string rosácea(int p, int q, int) {
    if (q == 1) return "5sen(" + std::to_string(p) + "t)";
    if (q == 5) return "5sen(" + argumentOverQ(p, q) + ")";
    return "5sen(" + std::to_string(p) + "/" + std::to_string(q) + "t)";
}

std::string concóide(int p, int q, int) { return "2(1+e*cos(" + argumentOverQ(p, q) + "))"; }

std::string folióide(int p, int q, int) {
    const std::string a = argumentOverQ(p, q);
    return "2 (e* cos(" + a + ") + Sqr(1 - e^2 *(sen(" + a + ")) ^2))";
}

// The "n" column follows no rule; the fraction columns do, but for the "*" of their seventh entry.
std::string espiral(int p, int q, int entry) {
    static const std::array<const char*, 9> whole = {
        "5*(2cos(2t)^1/2)", "20(cos(3t))^1/3", "25(cos(4t))^1/4", "30(cos(5t))^1/5",     "35(cos(6t))^1/6",
        "40(cos(7t))^1/7",  "45*(cos(8t))^1/8", "50(cos(9t))^1/9", "35*(2cos(10t)^1/10)",
    };
    if (q == 1) return whole[entry];
    static const std::array<const char*, 6> coefficient = {"", "", "14", "22", "26", "30"};
    const std::string n = std::to_string(p) + "/" + std::to_string(q);
    return std::string(coefficient[q]) + (entry == 6 ? "*" : "") + "(cos(" + n + "t))^" + n;
}

// The range of t of a column: the last t may differ between odd and even p.
struct Range {
    double start, endOdd, endEven;
};
using ColumnRanges = std::array<Range, 5>;

constexpr ColumnRanges kRosáceaRanges = {{
    {0, 3.14, 3.14},
    {-1.57, 12.56, 12.56},
    {0, 12.56, 18.84},
    {-3.14, 21.98, 21.98},
    {-3.14159, 4 * kPi, 6 * kPi},
}};
constexpr ColumnRanges kConcóideRanges = {{
    {0, 6.28, 6.28},
    {0, 4 * kPi, 4 * kPi},
    {0, 6 * kPi, 6 * kPi},
    {0, 8 * kPi, 8 * kPi},
    {0, 10 * kPi, 10 * kPi},
}};
constexpr ColumnRanges kEspiralRanges = {{
    {0, 3.14, 6.28},
    {0, 12.56, 12.56},
    {-6.28, 6.28, 15.7},
    {-3.14, 21.98, 21.98},
    {-3.14, 12.56, 28.26},
}};

struct FrameRule {
    std::array<const char*, 5> buttons;
    bool wholeFromOne;  // the "n" column runs from p = 1 instead of 2
    std::string (*text)(int p, int q, int entry);
    const ColumnRanges& ranges;
    bool limiteRaio;
};

const std::array<FrameRule, 4>& frameRules() {
    static const std::array<FrameRule, 4> rules = {{
        {{"DesRosáciaN1", "DesRosáciaN2", "DesRosáciaN3", "DesRosáciaN4", "DesRosáciaN5"}, false, rosácea,
         kRosáceaRanges, false},
        {{"ConcoideRosacean", "ConcoideRosacean2", "ConcoideRosacean3", "ConcoideRosacean4", "ConcoideRosacean5"},
         true, concóide, kConcóideRanges, false},
        {{"Folioiden", "Folioiden2", "Folioiden3", "Folioiden4", "Folioiden5"}, true, folióide, kConcóideRanges, false},
        {{"DesEspiralSin1", "DesEspiralSin2", "DesEspiralSin3", "DesEspiralSin4", "DesEspiralSin5"}, false, espiral,
         kEspiralRanges, true},
    }};
    return rules;
}

FamíliaEspecial family(const FrameRule& rule, int q) {
    FamíliaEspecial família;
    família.Botão = rule.buttons[q - 1];
    família.LimiteRaio = rule.limiteRaio;
    const Numerators& ps = numerators(q, rule.wholeFromOne);
    const Range& range = rule.ranges[q - 1];
    for (int k = 0; k < 9; ++k) {
        const int p = ps[k];
        família.Curvas[k] = {caption(p, q), rule.text(p, q, k), range.start, p % 2 == 0 ? range.endEven : range.endOdd};
    }
    return família;
}

}  // namespace

const std::array<FamíliaEspecial, kFamilyCount>& famíliasEspeciais() {
    static const std::array<FamíliaEspecial, kFamilyCount> families = [] {
        std::array<FamíliaEspecial, kFamilyCount> all;
        int i = 0;
        for (const FrameRule& rule : frameRules())
            for (int q = 1; q <= 5; ++q) all[i++] = family(rule, q);
        return all;
    }();
    return families;
}

const FamíliaEspecial* famíliaEspecial(std::string_view botão) {
    const auto& all = famíliasEspeciais();
    const auto found = std::find_if(all.begin(), all.end(), [&](const FamíliaEspecial& f) { return f.Botão == botão; });
    return found == all.end() ? nullptr : &*found;
}

}  // namespace plotaris::curves
