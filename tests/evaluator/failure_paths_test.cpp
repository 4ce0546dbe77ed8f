// Equação's forms for the samples at which functions meet invalid arguments: wherever they give a
// value, it is the value the full evaluation gives; where the evaluation raises an error, they give
// up.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

#include "evaluator/compiled_form.h"
#include "evaluator/equation.h"
#include "evaluator/evaluation.h"
#include "evaluator/failure_paths.h"
#include "evaluator/text_case.h"
#include "evaluator/tokenizer.h"

namespace plotaris::detail {
namespace {

const double kSamples[] = {0.0, 1.0, -1.0, 2.0, -4.0, 0.5, 7.0, 20.0, -1e300, 1e300,
                           std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()};

bool sameValue(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0 || (std::isnan(a) && std::isnan(b)); }

struct Tally {
    int values = 0;     // samples at which the full evaluation gives a value
    int given = 0;      // samples whose value the compact forms gave
    int byFailure = 0;  // of those, given by a form built for failing functions
};

// The text's own form, then the forms for the failures it meets, against the full evaluation.
Tally compare(const std::string& text) {
    SCOPED_TRACE(text);
    const ParsedExpression parsed = parseExpression(toLowerCase(text));
    WorkList cells;
    CompiledForm form(FailureStyle::PresetResult);
    Tally tally;
    if (!compile(parsed, cells, form)) {
        ADD_FAILURE() << "not compiled";
        return tally;
    }
    FailurePaths paths;
    Variables vars;
    for (double x : kSamples) {
        vars.set("x", x);
        double full = 0.0;
        bool failed = false;
        try {
            evaluate(parsed, vars, FailureStyle::PresetResult, cells, full);
            ++tally.values;
        } catch (const EvaluatorError&) {
            failed = true;
        }
        double compact = 0.0;
        const bool own = form.run(vars, compact);
        if (!own && !paths.run(form, parsed, cells, vars, compact)) continue;
        ++tally.given;
        tally.byFailure += !own;
        EXPECT_FALSE(failed) << "at " << x << " the forms gave " << compact << " where the evaluation fails";
        if (!failed) {
            EXPECT_TRUE(sameValue(compact, full)) << "at " << x << ": " << compact << " vs " << full;
        }
    }
    return tally;
}

TEST(FailurePaths, FollowTheCellsThatFailingFunctionsLeaveEmpty) {
    // Each of these gives a value at every sample, failing or not, and the forms give them all.
    for (const char* text : {"2 (e* cos(x/5) + Sqr(1 - e^2 *(sen(x/5)) ^2))",  // the Folióide: 2(e*cos(x/5))
                             "1+sqr(x)",         // 1: the "+" finds no right operand
                             "sqr(x)+1",         // 1000: nothing left to read
                             "-sqr(x)",          // 1000: the "~" stays as text
                             "min(sqr(x),2)",    // 2: X and Y are both the 2
                             "(2,sqr(x))",       // 2 whatever the root
                             "log(x)+sqr(-x)",   // one of the two fails at every sample but 0
                             "sqr(x)*sqr(x-1)",  // two functions failing together, or either alone
                             "logn(x,2)*3"}) {
        const Tally t = compare(text);
        EXPECT_EQ(t.given, t.values) << text;
        EXPECT_GT(t.byFailure, 0) << text;
    }
}

TEST(FailurePaths, GiveUpWhereTheEvaluationRaisesAnError) {
    // The root's cell left empty leaves the sine without an argument: error 1104 at every failing
    // sample, which the full evaluation reports.
    const Tally t = compare("sen(sqr(x))");
    EXPECT_EQ(t.byFailure, 0);
    EXPECT_GT(t.given, 0);
    // Overflow and division by zero past a failing function.
    compare("sqr(x)+1/(x-2)");
    compare("exp(x)*log(x)");
}

TEST(FailurePaths, FailuresThatDependOnNoValueAreFollowedAtEverySample) {
    // In Equação a cell that holds no number, or a function of constants that fails, fails the
    // same way at every sample: the text's own form follows it.
    for (const char* text : {"+3", "", "sqr(-1)+x", "1.2.3", "(-)+2", "2-sqr(-4)*x"}) {
        const Tally t = compare(text);
        EXPECT_EQ(t.given, t.values) << text;
        EXPECT_EQ(t.byFailure, 0) << text;
    }
}

// An object goes in and out of runs of failing samples, and from one set of failing functions to
// another: every sample is what the full evaluation gives.
TEST(FailurePaths, ObjectsGoInAndOutOfFailingRuns) {
    for (const char* text : {"2 (e* cos(x/5) + Sqr(1 - e^2 *(sen(x/5)) ^2))", "sqr(x)*sqr(x-1)+log(x+3)",
                             "sen(sqr(x))+1", "1/sqr(x+2)"}) {
        SCOPED_TRACE(text);
        const ParsedExpression parsed = parseExpression(toLowerCase(text));
        Equação eq;
        eq.Equation(text);
        WorkList cells;
        for (double x = -5; x <= 32; x += 0.0625) {
            eq.Var("x", x);
            Variables vars;
            vars.set("x", x);
            double full = 0.0;
            int error = 0;
            try {
                evaluate(parsed, vars, FailureStyle::PresetResult, cells, full);
            } catch (const EvaluatorError& e) {
                error = e.number;
            }
            try {
                eq.Solve();
                EXPECT_EQ(error, 0) << "at " << x;
                EXPECT_TRUE(sameValue(eq.Solution(), full)) << "at " << x << ": " << eq.Solution() << " vs " << full;
            } catch (const EvaluatorError& e) {
                EXPECT_EQ(e.number, error) << "at " << x;
            }
        }
    }
}

TEST(FailurePaths, OnlyEquaçãoFormsAreBuiltForFailures) {
    const ParsedExpression parsed = parseExpression("sqr(x)+1");
    WorkList cells;
    const std::int32_t root[] = {2};  // "x" is taken first, then "sqr("
    CompiledForm marks(FailureStyle::MarkCell);
    EXPECT_FALSE(compile(parsed, cells, marks, root));
    CompiledForm preset(FailureStyle::PresetResult);
    EXPECT_TRUE(compile(parsed, cells, preset, root));
    // A site where no function is applied cannot fail.
    CompiledForm other(FailureStyle::PresetResult);
    const std::int32_t name[] = {1};
    EXPECT_FALSE(compile(parsed, cells, other, name));
}

}  // namespace
}  // namespace plotaris::detail
