// Time per sample of our evaluator (Var + Solve + Solution) beside muparser on the same texts,
// with the function names translated. Prints a table: our time, muparser's, and the ratio.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "evaluator/equation.h"

namespace {

struct Case {
    const char* label;
    std::string ours;
    std::string theirs;  // muparser's spelling
    const char* variable;
    double from, to;     // the variable's range
};

const std::vector<Case>& cases() {
    static const std::vector<Case> list = {
        {"1/3x*(2-sen(x))", "1/3x*(2-sen(x))", "1/3*x*(2-sin(x))", "x", -12, 12},
        {"x^2-4", "x^2-4", "x^2-4", "x", -12, 12},
        {"-(x-6)^2+10", "-(x-6)^2+10", "-(x-6)^2+10", "x", -12, 12},
        {"5sen(2t)", "5sen(2t)", "5*sin(2*t)", "t", 0, 6.28318},
        {"2(1+e*cos(17t/2))", "2(1+e*cos(17t/2))", "2*(1+e*cos(17*t/2))", "t", 0, 12.566},
        {"2 (e* cos(9t) + Sqr(1 - e^2 *(sen(9t)) ^2))", "2 (e* cos(9t) + Sqr(1 - e^2 *(sen(9t)) ^2))",
         "2*(e*cos(9*t)+sqrt(1-e^2*(sin(9*t))^2))", "t", 0, 6.28318},
        {"14(cos(1/2t))^1/2", "14(cos(1/2t))^1/2", "14*(cos(1/2*t))^1/2", "t", 0, 12.566},
        {"sqr(x), half failing", "sqr(x)", "sqrt(x)", "x", -10, 10},
        {"long nested", "sen(cos(tg(x/3)+ln(abs(x)+1))*exp(-x^2/50)+arctg(sqr(abs(x)))-max(x,cosh(x/7)))/(2+sen(x)^2)",
         "sin(cos(tan(x/3)+ln(abs(x)+1))*exp(-x^2/50)+atan(sqrt(abs(x)))-max(x,cosh(x/7)))/(2+sin(x)^2)", "x", -10,
         10},
    };
    return list;
}

constexpr int kSamples = 50001;

std::vector<double> samples(const Case& c) {
    std::vector<double> v(kSamples);
    const double step = (c.to - c.from) / (kSamples - 1);
    for (int i = 0; i < kSamples; ++i) v[i] = c.from + i * step;
    return v;
}

void ours(benchmark::State& state, const Case& c) {
    const auto xs = samples(c);
    const std::string name = c.variable;
    plotaris::clsEquation eq;
    eq.Equation(c.ours);
    double sum = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        eq.Var(name, xs[i]);
        eq.Solve();
        sum += eq.Solution();
        if (++i == xs.size()) i = 0;
    }
    benchmark::DoNotOptimize(sum);
}

void theirs(benchmark::State& state, const Case& c) {
    const auto xs = samples(c);
    double var = 0;
    mu::Parser p;
    p.DefineVar(c.variable, &var);
    p.DefineConst("e", 2.718281828);
    p.SetExpr(c.theirs);
    double sum = 0;
    std::size_t i = 0;
    for (auto _ : state) {
        var = xs[i];
        sum += p.Eval();
        if (++i == xs.size()) i = 0;
    }
    benchmark::DoNotOptimize(sum);
}

// Keeps each run's time per sample for the table at the end.
class TableReporter : public benchmark::ConsoleReporter {
public:
    std::map<std::string, double> nanoseconds;
    void ReportRuns(const std::vector<Run>& runs) override {
        // With repetitions, the median stands for the text; otherwise the one run.
        for (const auto& r : runs) {
            if (r.run_type == Run::RT_Iteration && r.repetitions <= 1)
                nanoseconds[r.run_name.function_name] = r.GetAdjustedRealTime();
            else if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                nanoseconds[r.run_name.function_name] = r.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

}  // namespace

int main(int argc, char** argv) {
    for (const Case& c : cases()) {
        benchmark::RegisterBenchmark((std::string("ours/") + c.label).c_str(), ours, c);
        benchmark::RegisterBenchmark((std::string("muparser/") + c.label).c_str(), theirs, c);
    }
    benchmark::Initialize(&argc, argv);
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\n%-46s %10s %10s %7s\n", "text", "ours ns", "muparser", "ratio");
    for (const Case& c : cases()) {
        const auto o = reporter.nanoseconds.find(std::string("ours/") + c.label);
        const auto m = reporter.nanoseconds.find(std::string("muparser/") + c.label);
        if (o == reporter.nanoseconds.end() || m == reporter.nanoseconds.end()) continue;
        std::printf("%-46.46s %10.1f %10.1f %7.2f\n", c.label, o->second, m->second, o->second / m->second);
    }
    benchmark::Shutdown();
    return 0;
}
