#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "evaluator/errors.h"
#include "evaluator/tokenizer.h"

using namespace plotaris;
using namespace plotaris::detail;

namespace {

// The tokens' texts, a null separator shown as "<null>".
std::vector<std::string> texts(const ParsedExpression& e) {
    std::vector<std::string> out;
    for (std::int32_t p = 1; p <= e.size(); ++p)
        out.push_back(e.tokens[p].kind == TokenKind::Separator ? "<null>" : e.tokens[p].text);
    return out;
}

using Texts = std::vector<std::string>;
using Order = std::vector<std::int32_t>;

int errorOf(const std::string& text) {
    try {
        parseExpression(text);
    } catch (const EvaluatorError& e) {
        return e.number;
    }
    return 0;
}

}  // namespace

TEST(Tokenizer, WorkedExamplesGiveTheirTokensAndOrder) {
    struct Case {
        const char* text;
        Texts tokens;
        Order order;
    } cases[] = {
        {"2+3*x", {"2", "+", "3", "*", "x"}, {5, 4, 2}},
        {"x^2-4", {"x", "^", "2", "-", "4"}, {1, 2, 4}},
        {"-2^2", {"~", "2", "^", "2"}, {3, 1}},
        {"2^3^2", {"2", "^", "3", "^", "2"}, {2, 4}},
        {"sen(x)^2", {"sen(", "x", ")", "^", "2"}, {2, 1, 3, 4}},
        {"2(x+1)", {"2", "*", "(", "x", "+", "1", ")"}, {4, 5, 3, 7, 2}},
        {"max(1,-2)", {"max(", "1", "<null>", "~", "2", ")"}, {4, 1, 6}},
        {"1/3x*(2-sen(x))",
         {"1", "/", "3", "*", "x", "*", "(", "2", "-", "sen(", "x", ")", ")"},
         {11, 10, 12, 9, 7, 13, 5, 2, 4, 6}},
        {"2^-1", {"2", "^", "~", "1"}, {2, 3}},
        {")2(", {")", "2", "*", "("}, {}},
        {"10%3", {"10", "%", "3"}, {2}},
    };
    for (const auto& c : cases) {
        const ParsedExpression e = parseExpression(c.text);
        EXPECT_EQ(texts(e), c.tokens) << c.text;
        EXPECT_EQ(e.order, c.order) << c.text;
    }
}

TEST(Tokenizer, ImpliedProductsOnlyAfterANumber) {
    EXPECT_EQ(texts(parseExpression("2x")), (Texts{"2", "*", "x"}));
    EXPECT_EQ(texts(parseExpression("2pi")), (Texts{"2", "*", "pi"}));
    EXPECT_EQ(texts(parseExpression("2e3")), (Texts{"2", "*", "e3"}));
    EXPECT_EQ(texts(parseExpression("2sen(2x)")), (Texts{"2", "*", "sen(", "2", "*", "x", ")"}));
    EXPECT_EQ(texts(parseExpression("(x+1)(x-1)")), (Texts{"(", "x", "+", "1", ")", "(", "x", "-", "1", ")"}));
    EXPECT_EQ(texts(parseExpression("x(2)")), (Texts{"x(", "2", ")"}));
}

TEST(Tokenizer, NamesNumbersAndSkippedCharacters) {
    EXPECT_EQ(texts(parseExpression("x2")), (Texts{"x2"}));
    EXPECT_EQ(texts(parseExpression("2 3")), (Texts{"23"}));
    EXPECT_EQ(texts(parseExpression("2.5")), (Texts{"2,5"}));
    EXPECT_EQ(texts(parseExpression("1.2.3")), (Texts{"1,2,3"}));
    EXPECT_EQ(texts(parseExpression("x.5")), (Texts{"x,5"}));
    EXPECT_EQ(texts(parseExpression("s e n(x)")), (Texts{"sen(", "x", ")"}));
    EXPECT_EQ(texts(parseExpression("sen (x)")), (Texts{"sen(", "x", ")"}));
    EXPECT_EQ(texts(parseExpression("ação")), (Texts{"ao"}));
    EXPECT_EQ(texts(parseExpression("x = 1; [2]")), (Texts{"x12"}));
    EXPECT_TRUE(texts(parseExpression("")).empty());
    EXPECT_TRUE(texts(parseExpression(" \t ")).empty());
}

TEST(Tokenizer, MinusIsADifferenceOnlyAfterAnOperand) {
    EXPECT_EQ(texts(parseExpression("-x")), (Texts{"~", "x"}));
    EXPECT_EQ(texts(parseExpression("2*-x")), (Texts{"2", "*", "~", "x"}));
    EXPECT_EQ(texts(parseExpression("(-x)")), (Texts{"(", "~", "x", ")"}));
    EXPECT_EQ(texts(parseExpression("(x)-1")), (Texts{"(", "x", ")", "-", "1"}));
    EXPECT_EQ(texts(parseExpression("x-1")), (Texts{"x", "-", "1"}));
    EXPECT_EQ(texts(parseExpression("+x")), (Texts{"+", "x"}));
}

TEST(Tokenizer, ParenthesesMustBalanceInCountOnly) {
    EXPECT_EQ(errorOf("((x)"), 1100);
    EXPECT_EQ(errorOf("x)"), 1100);
    EXPECT_EQ(errorOf("sen(x"), 1100);
    EXPECT_EQ(errorOf(")2("), 0);
    EXPECT_EQ(errorOf(")x("), 0);
}

TEST(Tokenizer, SixteenBitLimitsOverflow) {
    EXPECT_EQ(errorOf(std::string(32766, ' ')), 0);
    EXPECT_EQ(errorOf(std::string(32767, ' ')), 6);
    EXPECT_EQ(errorOf(std::string(40000, '1')), 6);
    // Characters count as UTF-16 units, not bytes.
    std::string accents;
    for (int i = 0; i < 20000; ++i) accents += "ç";
    EXPECT_EQ(errorOf(accents), 0);

    // 4680 nested parentheses fit; the 4681st overflows.
    EXPECT_EQ(errorOf(std::string(4680, '(') + "x" + std::string(4680, ')')), 0);
    EXPECT_EQ(errorOf(std::string(4681, '(') + "x" + std::string(4681, ')')), 6);
    EXPECT_EQ(errorOf(std::string(5000, '(')), 6);
    // Stray closing parentheses overflow as they go down.
    EXPECT_EQ(errorOf(std::string(5000, ')')), 6);

    // 32767 tokens overflow, and this is found before the parentheses are counted.
    std::string tokens;
    while (tokens.size() + 3 < 32766) tokens += "2()";
    EXPECT_EQ(errorOf(tokens + "("), 6);
    std::string sums;
    for (int i = 0; i < 16383; ++i) sums += i ? "+x" : "x";
    EXPECT_EQ(errorOf(sums), 0);  // 32765 tokens
}

TEST(Tokenizer, NumeralsReadWithOneDecimalComma) {
    double v = 0;
    EXPECT_EQ(readNumeral("2,5", v), Numeral::Valid);
    EXPECT_EQ(v, 2.5);
    EXPECT_EQ(readNumeral("5,", v), Numeral::Valid);
    EXPECT_EQ(v, 5.0);
    EXPECT_EQ(readNumeral(",5", v), Numeral::Valid);
    EXPECT_EQ(v, 0.5);
    EXPECT_EQ(readNumeral(",", v), Numeral::No);
    EXPECT_EQ(readNumeral("1,2,3", v), Numeral::No);
    EXPECT_EQ(readNumeral(std::string(400, '9'), v), Numeral::TooLarge);
    EXPECT_EQ(readNumeral("," + std::string(400, '0') + "1", v), Numeral::Valid);
    EXPECT_EQ(v, 0.0);
}
