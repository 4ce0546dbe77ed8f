// The 180 curves of the gallery against the rules they were given by, written out here on their
// own: numerators and range sets listed, text patterns filled in, and the texts that follow no
// rule spelled out in full.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "curves/gallery_families.h"
#include "evaluator/equation.h"

namespace plotaris::curves {
namespace {

// Fills "{p}" with the digits of p, "{P}" with them or nothing for p = 1, "{q}" with q.
std::string fill(std::string pattern, int p, int q) {
    const auto replaceAll = [&](const std::string& key, const std::string& value) {
        for (std::size_t at = pattern.find(key); at != std::string::npos; at = pattern.find(key, at + value.size()))
            pattern.replace(at, key.size(), value);
    };
    replaceAll("{p}", std::to_string(p));
    replaceAll("{P}", p == 1 ? "" : std::to_string(p));
    replaceAll("{q}", std::to_string(q));
    return pattern;
}

struct Expected {
    std::vector<int> p;
    std::function<std::string(int p, int entry)> text;
    double start;
    std::function<double(int p)> end;
    bool limit = false;
};

std::function<double(int)> always(double end) {
    return [end](int) { return end; };
}
std::function<double(int)> byMembers(std::set<int> first, double firstEnd, std::set<int> second, double secondEnd) {
    return [=](int p) { return first.count(p) ? firstEnd : second.count(p) ? secondEnd : -1.0; };
}
std::function<std::string(int, int)> pattern(const char* text, int q) {
    return [text, q](int p, int) { return fill(text, p, q); };
}
std::function<std::string(int, int)> listed(std::vector<std::string> texts) {
    return [texts](int, int entry) { return texts.at(entry); };
}

const std::vector<int> kTwoToTen = {2, 3, 4, 5, 6, 7, 8, 9, 10};
const std::vector<int> kOneToNine = {1, 2, 3, 4, 5, 6, 7, 8, 9};
const std::vector<int> kHalves = {1, 3, 5, 7, 9, 11, 13, 15, 17};
const std::vector<int> kThirds = {1, 2, 4, 5, 7, 8, 10, 11, 13};
const std::vector<int> kQuarters = {1, 3, 5, 7, 9, 11, 13, 15, 17};
const std::vector<int> kFifths = {1, 2, 3, 4, 6, 7, 8, 9, 11};
const char* const kFolióide = "2 (e* cos({P}t) + Sqr(1 - e^2 *(sen({P}t)) ^2))";
const char* const kFolióideOverQ = "2 (e* cos({P}t/{q}) + Sqr(1 - e^2 *(sen({P}t/{q})) ^2))";

const std::map<std::string, Expected>& expectations() {
    static const std::map<std::string, Expected> all = {
        {"DesRosáciaN1", {kTwoToTen, pattern("5sen({p}t)", 1), 0, always(3.14)}},
        {"DesRosáciaN2", {kHalves, pattern("5sen({p}/2t)", 2), -1.57, always(12.56)}},
        {"DesRosáciaN3", {kThirds, pattern("5sen({p}/3t)", 3), 0, byMembers({2, 4, 8, 10}, 18.84, {1, 5, 7, 11, 13}, 12.56)}},
        {"DesRosáciaN4", {kQuarters, pattern("5sen({p}/4t)", 4), -3.14, always(21.98)}},
        {"DesRosáciaN5",
         {kFifths, pattern("5sen({P}t/5)", 5), -3.14159,
          byMembers({1, 3, 7, 9, 11}, 4 * 3.14159, {2, 4, 6, 8}, 6 * 3.14159)}},
        {"ConcoideRosacean", {kOneToNine, pattern("2(1+e*cos({P}t))", 1), 0, always(6.28)}},
        {"ConcoideRosacean2", {kHalves, pattern("2(1+e*cos({P}t/{q}))", 2), 0, always(4 * 3.14159)}},
        {"ConcoideRosacean3", {kThirds, pattern("2(1+e*cos({P}t/{q}))", 3), 0, always(6 * 3.14159)}},
        {"ConcoideRosacean4", {kQuarters, pattern("2(1+e*cos({P}t/{q}))", 4), 0, always(8 * 3.14159)}},
        {"ConcoideRosacean5", {kFifths, pattern("2(1+e*cos({P}t/{q}))", 5), 0, always(10 * 3.14159)}},
        {"Folioiden", {kOneToNine, pattern(kFolióide, 1), 0, always(6.28)}},
        {"Folioiden2", {kHalves, pattern(kFolióideOverQ, 2), 0, always(4 * 3.14159)}},
        {"Folioiden3", {kThirds, pattern(kFolióideOverQ, 3), 0, always(6 * 3.14159)}},
        {"Folioiden4", {kQuarters, pattern(kFolióideOverQ, 4), 0, always(8 * 3.14159)}},
        {"Folioiden5", {kFifths, pattern(kFolióideOverQ, 5), 0, always(10 * 3.14159)}},
        {"DesEspiralSin1",
         {kTwoToTen,
          listed({"5*(2cos(2t)^1/2)", "20(cos(3t))^1/3", "25(cos(4t))^1/4", "30(cos(5t))^1/5", "35(cos(6t))^1/6",
                  "40(cos(7t))^1/7", "45*(cos(8t))^1/8", "50(cos(9t))^1/9", "35*(2cos(10t)^1/10)"}),
          0, byMembers({2, 4, 6, 8, 10}, 6.28, {3, 5, 7, 9}, 3.14), true}},
        {"DesEspiralSin2",
         {kHalves,
          listed({"14(cos(1/2t))^1/2", "14(cos(3/2t))^3/2", "14(cos(5/2t))^5/2", "14(cos(7/2t))^7/2",
                  "14(cos(9/2t))^9/2", "14(cos(11/2t))^11/2", "14*(cos(13/2t))^13/2", "14(cos(15/2t))^15/2",
                  "14(cos(17/2t))^17/2"}),
          0, always(12.56), true}},
        {"DesEspiralSin3",
         {kThirds,
          listed({"22(cos(1/3t))^1/3", "22(cos(2/3t))^2/3", "22(cos(4/3t))^4/3", "22(cos(5/3t))^5/3",
                  "22(cos(7/3t))^7/3", "22(cos(8/3t))^8/3", "22*(cos(10/3t))^10/3", "22(cos(11/3t))^11/3",
                  "22(cos(13/3t))^13/3"}),
          -6.28, byMembers({1, 5, 7, 11, 13}, 6.28, {2, 4, 8, 10}, 15.7), true}},
        {"DesEspiralSin4",
         {kQuarters,
          listed({"26(cos(1/4t))^1/4", "26(cos(3/4t))^3/4", "26(cos(5/4t))^5/4", "26(cos(7/4t))^7/4",
                  "26(cos(9/4t))^9/4", "26(cos(11/4t))^11/4", "26*(cos(13/4t))^13/4", "26(cos(15/4t))^15/4",
                  "26(cos(17/4t))^17/4"}),
          -3.14, always(21.98), true}},
        {"DesEspiralSin5",
         {kFifths,
          listed({"30(cos(1/5t))^1/5", "30(cos(2/5t))^2/5", "30(cos(3/5t))^3/5", "30(cos(4/5t))^4/5",
                  "30(cos(6/5t))^6/5", "30(cos(7/5t))^7/5", "30*(cos(8/5t))^8/5", "30(cos(9/5t))^9/5",
                  "30(cos(11/5t))^11/5"}),
          -3.14, byMembers({1, 3, 7, 9, 11}, 12.56, {2, 4, 6, 8}, 28.26), true}},
    };
    return all;
}

// The "n" buttons end in 1 or in no digit; the others in their denominator.
int denominatorOf(const std::string& button) {
    const char last = button.back();
    return last >= '2' && last <= '5' ? last - '0' : 1;
}

TEST(SpecialFamilies, EveryEntryFollowsItsFamilysRule) {
    const auto& families = famíliasEspeciais();
    std::set<std::string> seen;
    int entries = 0;
    for (const FamíliaEspecial& família : families) {
        SCOPED_TRACE(família.Botão);
        ASSERT_TRUE(expectations().count(família.Botão));
        ASSERT_TRUE(seen.insert(família.Botão).second);
        const Expected& expected = expectations().at(família.Botão);
        const int q = denominatorOf(família.Botão);
        EXPECT_EQ(família.LimiteRaio, expected.limit);
        for (int k = 0; k < 9; ++k) {
            const int p = expected.p[k];
            const CurvaEspecial& curve = família.Curvas[k];
            SCOPED_TRACE(k + 1);
            EXPECT_EQ(curve.Legenda, q == 1 ? "n=" + std::to_string(p) : "n=" + std::to_string(p) + "/" + std::to_string(q));
            EXPECT_EQ(curve.TextoCurva, expected.text(p, k));
            EXPECT_EQ(curve.TInício, expected.start);
            EXPECT_EQ(curve.TFim, expected.end(p));
            ++entries;
        }
    }
    EXPECT_EQ(entries, 180);
    EXPECT_EQ(seen.size(), 20u);
}

// The first and last entry of each rule, as the rules' own examples give them.
TEST(SpecialFamilies, RuleExamplesComeOutExactly) {
    const std::vector<std::tuple<const char*, const char*, const char*>> examples = {
        {"DesRosáciaN1", "5sen(2t)", "5sen(10t)"},
        {"DesRosáciaN2", "5sen(1/2t)", "5sen(17/2t)"},
        {"DesRosáciaN3", "5sen(1/3t)", "5sen(13/3t)"},
        {"DesRosáciaN4", "5sen(1/4t)", "5sen(17/4t)"},
        {"DesRosáciaN5", "5sen(t/5)", "5sen(11t/5)"},
        {"ConcoideRosacean", "2(1+e*cos(t))", "2(1+e*cos(9t))"},
        {"ConcoideRosacean2", "2(1+e*cos(t/2))", "2(1+e*cos(17t/2))"},
        {"ConcoideRosacean3", "2(1+e*cos(t/3))", "2(1+e*cos(13t/3))"},
        {"ConcoideRosacean4", "2(1+e*cos(t/4))", "2(1+e*cos(17t/4))"},
        {"ConcoideRosacean5", "2(1+e*cos(t/5))", "2(1+e*cos(11t/5))"},
        {"Folioiden", "2 (e* cos(t) + Sqr(1 - e^2 *(sen(t)) ^2))", "2 (e* cos(9t) + Sqr(1 - e^2 *(sen(9t)) ^2))"},
        {"Folioiden2", "2 (e* cos(t/2) + Sqr(1 - e^2 *(sen(t/2)) ^2))", "2 (e* cos(17t/2) + Sqr(1 - e^2 *(sen(17t/2)) ^2))"},
        {"Folioiden5", "2 (e* cos(t/5) + Sqr(1 - e^2 *(sen(t/5)) ^2))", "2 (e* cos(11t/5) + Sqr(1 - e^2 *(sen(11t/5)) ^2))"},
        {"DesEspiralSin2", "14(cos(1/2t))^1/2", "14(cos(17/2t))^17/2"},
    };
    for (const auto& [button, first, last] : examples) {
        const FamíliaEspecial* família = famíliaEspecial(button);
        ASSERT_NE(família, nullptr) << button;
        EXPECT_EQ(família->Curvas.front().TextoCurva, first);
        EXPECT_EQ(família->Curvas.back().TextoCurva, last);
    }
    EXPECT_EQ(famíliaEspecial("DesEspiralSin3")->Curvas[6].TextoCurva, "22*(cos(10/3t))^10/3");
    EXPECT_EQ(famíliaEspecial("ConcoideRosacean")->Curvas[0].Legenda, "n=1");
    EXPECT_EQ(famíliaEspecial("DesRosáciaN1")->Curvas[0].Legenda, "n=2");
    EXPECT_EQ(famíliaEspecial("DesRosáciaN5")->Curvas[1].TFim, 6 * 3.14159);
    EXPECT_EQ(famíliaEspecial("DesRosáciaN1"), &famíliasEspeciais()[0]);
    EXPECT_EQ(famíliaEspecial("Desenhar"), nullptr);
    EXPECT_EQ(famíliaEspecial(""), nullptr);
}

// Only the seventh entry of the spiral's fraction columns carries the "*" after its coefficient.
TEST(SpecialFamilies, SpiralFractionsStarOnlyTheirSeventhEntry) {
    for (const char* button : {"DesEspiralSin2", "DesEspiralSin3", "DesEspiralSin4", "DesEspiralSin5"}) {
        const FamíliaEspecial& família = *famíliaEspecial(button);
        for (int k = 0; k < 9; ++k)
            EXPECT_EQ(família.Curvas[k].TextoCurva.substr(2, 1) == "*", k == 6) << button << " " << k + 1;
    }
}

// The texts are sound: each tokenizes, knows its functions and uses no variable but t. Where a
// sample fails, it fails only by overflow or division by zero.
TEST(SpecialFamilies, EveryTextEvaluatesInTheVariableT) {
    for (const FamíliaEspecial& família : famíliasEspeciais()) {
        for (const CurvaEspecial& curve : família.Curvas) {
            Equação equation;
            equation.Equation(curve.TextoCurva);
            for (double t : {curve.TInício, 0.3, 1.0, curve.TFim}) {
                equation.Var("t", t);
                try {
                    equation.Solve();
                } catch (const EvaluatorError& error) {
                    EXPECT_TRUE(error.number == 6 || error.number == 11) << curve.TextoCurva << " " << error.number;
                }
            }
        }
    }
}

}  // namespace
}  // namespace plotaris::curves
