// The compact form against the full evaluation: wherever the form gives a value, it is the value
// the full evaluation gives; where the evaluation fails, the form gives up.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

#include "evaluator/compiled_form.h"
#include "evaluator/evaluation.h"
#include "evaluator/tokenizer.h"

namespace plotaris::detail {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kSamples[] = {0.0, 1.0, -1.0, 2.5, -2.5, 0.5, 3.0, 1000.0, -1000.0, 1e300, -1e-300, kInf, -kInf,
                           std::numeric_limits<double>::quiet_NaN()};

bool sameValue(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b));
}

// Runs both ways at every sample. Returns how many samples the form gave itself.
int compare(const std::string& text, FailureStyle style) {
    const ParsedExpression parsed = parseExpression(text);
    WorkList cells;
    CompiledForm form(style);
    if (!compile(parsed, cells, form)) return -1;
    int given = 0;
    Variables vars;  // one set for all samples, as the evaluator keeps it: the form holds its addresses
    vars.set("y", 2.0);
    for (double x : kSamples) {
        vars.set("x", x);
        double full = 0.0;
        std::optional<int> error;
        try {
            evaluate(parsed, vars, style, cells, full);
        } catch (const EvaluatorError& e) {
            error = e.number;
        }
        double compact = 0.0;
        if (!form.run(vars, compact)) continue;
        ++given;
        EXPECT_FALSE(error) << text << " at " << x << ": the form gave " << compact << " where the evaluation fails with "
                            << error.value_or(0);
        if (!error) {
            EXPECT_TRUE(sameValue(compact, full)) << text << " at " << x << ": " << compact << " vs " << full;
        }
    }
    return given;
}

void expectSameInBothClasses(const std::string& text) {
    SCOPED_TRACE(text);
    EXPECT_GT(compare(text, FailureStyle::MarkCell), 0) << "the form never ran";
    compare(text, FailureStyle::PresetResult);
}

TEST(CompactForm, LeavesOnEitherSideOfEachOperator) {
    for (const char* text : {"x+3", "3+x", "x-3", "3-x", "x*3", "3*x", "x/3", "3/x", "x/4", "x/0.25", "x+y", "y/x",
                             "x\\2", "7\\x", "x%3", "7%x", "x^3", "2^x", "x^0.5", "x^2", "x^1", "x^(-1)", "y^x"})
        expectSameInBothClasses(text);
}

TEST(CompactForm, ValuesPutAsideForTheSecondOperand) {
    for (const char* text : {"(x+1)*(x-1)", "(x+1)-(x*2)", "(x+1)/(x-2)", "(x+1)+(x*3)", "(x+1)^(x-1)",
                             "(x+1)\\(x-3)", "(x*7)%(x+2)", "((x+1)*(x+2))-((x+3)/(x+4))",
                             "2/(x-1)", "2^(x/3)", "10-(x*x)", "(x+1)*2^x", "(x+1)^3", "2*(x-1)^3", "x^2-4", "-(x-6)^2+10", "1/3x*(2-sen(x))", "3*sen(2x)*cos(x)+x^3/6",
                             "sen(x)-(cos(x)-(tg(x)-(x-(1-(x/2)))))"})
        expectSameInBothClasses(text);
}

TEST(CompactForm, FunctionsInLineAndThroughTheLibrary) {
    for (const char* text : {"sen(x)", "-sen(x)^2", "cos(2x)", "tg(x)", "atn(x)", "abs(x)", "sqr(x)", "log(x)",
                             "ln(x)+1", "exp(x)", "sec(x)", "senh(x)", "cosh(x)", "tanh(x/100)", "arcsen(x)", "arccos(x/3)", "int(x)", "fix(x)",
                             "sgn(x)", "mant(x)", "graus(x)", "tgh (cos (7/log (3x)))", "sqr(1-x)*2", "-sqr(x)",
                             "1+sqr(x)", "exp(-x^2/2)/sqr(2pi)"})
        expectSameInBothClasses(text);
}

TEST(CompactForm, FunctionsOfTwoArguments) {
    for (const char* text : {"min(x,2)", "max(2,x)", "min(x+1,x*2)", "max(x)", "logn(x,2)", "logn(8,x)",
                             "logn(x+1,x*3)", "max(2,x+1)", "logn(8,x*2)", "mod(x,3)", "mod(7,x)", "min(1,2,x)", "max(x,cosh(x/7))"})
        expectSameInBothClasses(text);
}

TEST(CompactForm, OperationsWhoseValueIsDroppedStillFail) {
    // The second argument of a function of one argument, and cells left between arguments or after
    // a comma, are computed and dropped: at x = 0 the division still stops the evaluation.
    for (const char* text : {"sen(x,1/x)", "(2,1/x)", "min(1,1/x,3)", "(x,2)", "(1/x,2)+x", "abs(x,exp(x))"})
        expectSameInBothClasses(text);
}

TEST(CompactForm, ResultsThatAreConstantsOrVariables) {
    for (const char* text : {"x", "(x)", "((x))", "-x", "y", "(y,x)"}) expectSameInBothClasses(text);
    EXPECT_EQ(compare("2+3*4", FailureStyle::MarkCell), static_cast<int>(std::size(kSamples)));
    EXPECT_EQ(compare("pi", FailureStyle::PresetResult), static_cast<int>(std::size(kSamples)));
}

TEST(CompactForm, TextsThatCannotBeCompiled) {
    EXPECT_EQ(compare("rnd+x", FailureStyle::MarkCell), -1);      // a new value at each evaluation
    EXPECT_EQ(compare("rand(x)", FailureStyle::MarkCell), -1);
    EXPECT_EQ(compare("z+1", FailureStyle::MarkCell), 0);         // an undefined variable at every sample
    EXPECT_EQ(compare("2^-1", FailureStyle::MarkCell), -1);       // fails whatever the values
}

TEST(CompactForm, DeepAndLongTextsLayOutWithoutRecursion) {
    std::string sum = "x";
    for (int i = 0; i < 5000; ++i) sum += "+x";
    expectSameInBothClasses(sum);
    std::string nested = "x";
    for (int i = 0; i < 2000; ++i) nested = "(1+" + nested + ")";
    expectSameInBothClasses(nested);
    std::string right = "x";
    for (int i = 0; i < 2000; ++i) right = "x-(" + right + ")";
    expectSameInBothClasses(right);
}

}  // namespace
}  // namespace plotaris::detail
