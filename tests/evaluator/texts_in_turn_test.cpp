// Texts handed in turn to one object, as the parametric window hands its x and y texts at every
// sample: each gives what it gives alone, errors included, and the object keeps one result, one
// set of variables and the text given last.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "evaluator/recent_texts.h"
#include "tests/evaluator/evaluator_testing.h"

namespace plotaris {
namespace {

using testing::Result;

template <class Evaluator>
Result solveAt(Evaluator& eq, const std::string& text, double t) {
    eq.Equation(text);
    eq.Var("t", t);
    return testing::solve(eq);
}

bool same(const Result& a, const Result& b) {
    if (a.ok != b.ok) return false;
    if (!a.ok) return a.error == b.error && a.description == b.description;
    return std::memcmp(&a.value, &b.value, sizeof a.value) == 0 || (std::isnan(a.value) && std::isnan(b.value));
}

// Every text of `texts` given in turn to one object at each t, against one object per text that
// is given its text once.
template <class Evaluator>
void expectSameInTurnAsAlone(const std::vector<std::string>& texts) {
    Evaluator inTurn;
    std::vector<std::unique_ptr<Evaluator>> alone;
    for (const std::string& text : texts) {
        alone.push_back(std::make_unique<Evaluator>());
        alone.back()->Equation(text);
    }
    for (int i = -40; i <= 40; ++i) {
        const double t = i * 0.157;
        for (std::size_t j = 0; j < texts.size(); ++j) {
            const Result mine = solveAt(inTurn, texts[j], t);
            const Result reference = solveAt(*alone[j], texts[j], t);
            EXPECT_TRUE(same(mine, reference)) << texts[j] << " at " << t;
            EXPECT_EQ(inTurn.Equation(), alone[j]->Equation());
        }
    }
}

TEST(TextsInTurn, EachGivesWhatItGivesAlone) {
    const std::vector<std::vector<std::string>> sets = {
        {"6cos(t)^3", "6sen(t)^3"},
        {"cos(t)+log(tg(t/2))", "sen(t)"},         // the logarithm fails on half the samples
        {"sec(t)", "2cosec(t)"},                   // division by zero at t = 0
        {"2 (e* cos(t/5) + Sqr(1 - e^2 *(sen(t/5)) ^2))", "8sen(t)*cos(t)*log(t)"},
        {"sen(t", "t", "T*2", "t*2"},              // unbalanced parentheses fail at every turn
        {"t+1", "t+2", "t+3", "t+4", "t+5", "t+6"},  // more texts than the object keeps
    };
    for (const auto& texts : sets) {
        expectSameInTurnAsAlone<clsEquation>(texts);
        expectSameInTurnAsAlone<Equação>(texts);
    }
}

TEST(TextsInTurn, OneResultWhicheverTextGaveIt) {
    // «+3» leaves nothing to read: clsEquation keeps the result it holds, from whichever text.
    clsEquation eq;
    EXPECT_TRUE(testing::gives(solveAt(eq, "t+1", 1), 2));
    EXPECT_TRUE(testing::gives(solveAt(eq, "+3", 1), 2));
    EXPECT_TRUE(testing::gives(solveAt(eq, "t+1", 5), 6));
    EXPECT_TRUE(testing::gives(solveAt(eq, "+3", 5), 6));
    // An error leaves it too.
    EXPECT_TRUE(testing::fails(solveAt(eq, "1/(t-5)", 5), 11));
    EXPECT_TRUE(testing::gives(solveAt(eq, "+3", 5), 6));
    EXPECT_TRUE(testing::fails(solveAt(eq, "((t)", 5), 1100));
    EXPECT_TRUE(testing::gives(solveAt(eq, "+3", 5), 6));
}

TEST(TextsInTurn, VariablesAndStateAreTheObjects) {
    Equação eq;
    eq.Var("y", 3);
    eq.Equation("y*t");
    eq.Var("t", 2);
    EXPECT_EQ(eq.Solution(), 6);
    eq.Equation("Y+T");
    EXPECT_EQ(eq.Equation(), "y+t");
    EXPECT_EQ(eq.Solution(), 5);  // a new text makes the object stale
    eq.VarRemove("y");
    eq.Equation("y*t");
    EXPECT_TRUE(testing::fails(solveAt(eq, "y*t", 2), 1102, "Variável não definida: y"));
    eq.Var("y", 4);
    EXPECT_EQ(solveAt(eq, "y*t", 2).value, 8);
    EXPECT_EQ(solveAt(eq, "Y+T", 2).value, 6);
    // Given again without a change in between, a text still makes the object stale.
    eq.Equation("rnd");
    const double drawn = eq.Solution();
    eq.Equation("t");
    eq.Equation("rnd");
    EXPECT_NE(eq.Solution(), drawn);
}

TEST(TextsInTurn, FewTextsAreKept) {
    detail::RecentTexts texts;
    for (const char* text : {"a", "b", "c", "d", "e", "f"}) texts.take(text);
    EXPECT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts.current()->raw, "f");
    const detail::GivenText* c = &texts.take("c");
    EXPECT_EQ(c, texts.current());
    EXPECT_EQ(texts.size(), 4u);
    // Long texts are kept fewer: besides the current one, as many as fit in the room.
    for (char digit : {'1', '2', '3', '4'}) texts.take(std::string(30000, digit));
    EXPECT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts.take("x").raw, "x");
    EXPECT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts.take(std::string(30000, '4')).lowerCase, std::string(30000, '4'));  // still kept
}

}  // namespace
}  // namespace plotaris
