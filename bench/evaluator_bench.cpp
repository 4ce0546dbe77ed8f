// Time per sample of our evaluator (Var + Solve + Solution) beside muparser on the same texts,
// with the function names translated, and beside the same formula compiled as C++ where there is
// one. Each text runs twice: in a bare process, then in the state the program runs in, once a
// QApplication exists. Prints a table per state with the ratios. Also times the parametric
// window's way of sampling: two texts handed in turn to one object at every sample.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "evaluator/equation.h"

#ifdef PLOTARIS_BENCH_WITH_QT
#include <QApplication>
#include <QHashFunctions>
#include <QString>
#endif

namespace {

constexpr double kE = 2.718281828;  // the evaluator's "e"
constexpr double kPi = 3.14159265358979;

// The evaluator class a text is timed with: the graph windows' or the special curves'.
enum class Class { Graphs, SpecialCurves };

struct Case {
    const char* label;
    std::string ours;
    std::string theirs;  // muparser's spelling
    const char* variable;
    double from, to;           // the variable's range
    double (*native)(double);  // the formula as C++, or null
    Class evaluator = Class::Graphs;
};

// The special curves' "Folióide" of n = 1/5, over its range: the square root fails on most samples.
const char* const kFolióide = "2 (e* cos(t/5) + Sqr(1 - e^2 *(sen(t/5)) ^2))";
const char* const kFolióideTheirs = "2*(e*cos(t/5)+sqrt(1-e^2*(sin(t/5))^2))";
double folióide(double t) {
    const double s = std::sin(t / 5);
    return 2 * (kE * std::cos(t / 5) + std::sqrt(1 - kE * kE * (s * s)));
}

// The natives follow each text's order of operations; they are only timed, never compared.
const std::vector<Case>& cases() {
    static const std::vector<Case> list = {
        {"1/3x*(2-sen(x))", "1/3x*(2-sen(x))", "1/3*x*(2-sin(x))", "x", -12, 12,
         [](double x) { return 1.0 / 3 * x * (2 - std::sin(x)); }},
        {"x^2-4", "x^2-4", "x^2-4", "x", -12, 12, [](double x) { return x * x - 4; }},
        {"-(x-6)^2+10", "-(x-6)^2+10", "-(x-6)^2+10", "x", -12, 12,
         [](double x) { return -((x - 6) * (x - 6)) + 10; }},
        {"5sen(2t)", "5sen(2t)", "5*sin(2*t)", "t", 0, 6.28318, [](double t) { return 5 * std::sin(2 * t); }},
        {"2(1+e*cos(17t/2))", "2(1+e*cos(17t/2))", "2*(1+e*cos(17*t/2))", "t", 0, 12.566,
         [](double t) { return 2 * (1 + kE * std::cos(17 * t / 2)); }},
        {"2 (e* cos(9t) + Sqr(1 - e^2 *(sen(9t)) ^2))", "2 (e* cos(9t) + Sqr(1 - e^2 *(sen(9t)) ^2))",
         "2*(e*cos(9*t)+sqrt(1-e^2*(sin(9*t))^2))", "t", 0, 6.28318,
         [](double t) {
             const double s = std::sin(9 * t);
             return 2 * (kE * std::cos(9 * t) + std::sqrt(1 - kE * kE * (s * s)));
         }},
        {"14(cos(1/2t))^1/2", "14(cos(1/2t))^1/2", "14*(cos(1/2*t))^1/2", "t", 0, 12.566,
         [](double t) { return 14 * std::cos(1.0 / 2 * t) / 2; }},
        {"sqr(x), half failing", "sqr(x)", "sqrt(x)", "x", -10, 10,
         [](double x) { return x < 0 ? 1000.0 : std::sqrt(x); }},
        {"3*sen(2x)*cos(x)+x^3/6", "3*sen(2x)*cos(x)+x^3/6", "3*sin(2*x)*cos(x)+x^3/6", "x", -12, 12,
         [](double x) { return 3 * std::sin(2 * x) * std::cos(x) + std::pow(x, 3) / 6; }},
        {"tgh (cos (7/log (3x))), half failing", "tgh (cos (7/log (3x)))", "tanh(cos(7/ln(3*x)))", "x", -10, 10,
         [](double x) {
             const double l = x > 0 ? std::log(3 * x) : 1000.0;
             return std::tanh(std::cos(7 / l));
         }},
        {"exp(-x^2/2)/sqr(2pi)", "exp(-x^2/2)/sqr(2pi)", "exp(-x^2/2)/sqrt(2*_pi)", "x", -12, 12,
         [](double x) { return std::exp(-(x * x) / 2) / std::sqrt(2 * kPi); }},
        {"long nested", "sen(cos(tg(x/3)+ln(abs(x)+1))*exp(-x^2/50)+arctg(sqr(abs(x)))-max(x,cosh(x/7)))/(2+sen(x)^2)",
         "sin(cos(tan(x/3)+ln(abs(x)+1))*exp(-x^2/50)+atan(sqrt(abs(x)))-max(x,cosh(x/7)))/(2+sin(x)^2)", "x", -10,
         10,
         [](double x) {
             const double s = std::sin(x);
             return std::sin(std::cos(std::tan(x / 3) + std::log(std::fabs(x) + 1)) * std::exp(-(x * x) / 50) +
                             std::atan(std::sqrt(std::fabs(x))) - std::max(x, std::cosh(x / 7))) /
                    (2 + s * s);
         }},
        {"Folióide n=1/5, Equação", kFolióide, kFolióideTheirs, "t", 0, 10 * 3.14159, folióide, Class::SpecialCurves},
        {"Folióide n=1/5, clsEquation", kFolióide, kFolióideTheirs, "t", 0, 10 * 3.14159, folióide},
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

// The process states a text is timed in.
enum class Process { Bare, WithApplication };

const char* prefix(Process p) { return p == Process::Bare ? "bare/" : "app/"; }

#ifdef PLOTARIS_BENCH_WITH_QT
// The program's state: a QApplication exists, and its event handling has just run, as before any
// click. That handling hashes strings, and Qt's hash of a string longer than 16 characters leaves
// the upper halves of the vector registers in use; code built for plain x86-64 then runs slower
// until something clears them.
void enter(Process p) {
    if (p == Process::Bare) return;
    static int argc = 1;
    static char name[] = "evaluator_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    benchmark::DoNotOptimize(app);
    benchmark::DoNotOptimize(qHash(QStringView(u"a key longer than sixteen characters")));
}
#else
void enter(Process) {}
#endif

template <class Evaluator>
void oursWith(benchmark::State& state, const Case& c, Process p) {
    const auto xs = samples(c);
    const std::string name = c.variable;
    Evaluator eq;
    eq.Equation(c.ours);
    double sum = 0;
    std::size_t i = 0;
    enter(p);
    for (auto _ : state) {
        eq.Var(name, xs[i]);
        eq.Solve();
        sum += eq.Solution();
        if (++i == xs.size()) i = 0;
    }
    benchmark::DoNotOptimize(sum);
}

void ours(benchmark::State& state, const Case& c, Process p) {
    if (c.evaluator == Class::SpecialCurves) oursWith<plotaris::Equação>(state, c, p);
    else oursWith<plotaris::clsEquation>(state, c, p);
}

// The parametric window's samples: x and y texts handed in turn to one object, each solved at t.
struct Pair {
    const char* label;
    std::string x, y;
};

const std::vector<Pair>& pairs() {
    static const std::vector<Pair> list = {
        {"Bicórnio", "4sen(t)", "(4(cos(t)^2)*(2+cos(t)))/(3+(sen(t))^2)"},
    };
    return list;
}

Case pairRange(const Pair& pair) { return {pair.label, pair.x, pair.y, "t", 0, 6.28318, nullptr}; }

void alternating(benchmark::State& state, const Pair& pair, Process p) {
    const auto ts = samples(pairRange(pair));
    const std::string name = "t";
    plotaris::clsEquation eq;
    double sum = 0;
    std::size_t i = 0;
    enter(p);
    for (auto _ : state) {
        eq.Equation(pair.x);
        eq.Var(name, ts[i]);
        eq.Solve();
        sum += eq.Solution();
        eq.Equation(pair.y);
        eq.Var(name, ts[i]);
        eq.Solve();
        sum += eq.Solution();
        if (++i == ts.size()) i = 0;
    }
    benchmark::DoNotOptimize(sum);
}

// The same samples on one object per text, each text given once: what the pair costs at best.
void objectPerText(benchmark::State& state, const Pair& pair, Process p) {
    const auto ts = samples(pairRange(pair));
    const std::string name = "t";
    plotaris::clsEquation first, second;
    first.Equation(pair.x);
    second.Equation(pair.y);
    double sum = 0;
    std::size_t i = 0;
    enter(p);
    for (auto _ : state) {
        first.Var(name, ts[i]);
        first.Solve();
        sum += first.Solution();
        second.Var(name, ts[i]);
        second.Solve();
        sum += second.Solution();
        if (++i == ts.size()) i = 0;
    }
    benchmark::DoNotOptimize(sum);
}

void theirs(benchmark::State& state, const Case& c, Process p) {
    const auto xs = samples(c);
    double var = 0;
    mu::Parser parser;
    parser.DefineVar(c.variable, &var);
    parser.DefineConst("e", kE);
    parser.SetExpr(c.theirs);
    double sum = 0;
    std::size_t i = 0;
    enter(p);
    for (auto _ : state) {
        var = xs[i];
        sum += parser.Eval();
        if (++i == xs.size()) i = 0;
    }
    benchmark::DoNotOptimize(sum);
}

void native(benchmark::State& state, const Case& c, Process p) {
    const auto xs = samples(c);
    double (*volatile f)(double) = c.native;  // called as compiled code, not folded into the loop
    double sum = 0;
    std::size_t i = 0;
    enter(p);
    for (auto _ : state) {
        sum += f(xs[i]);
        if (++i == xs.size()) i = 0;
    }
    benchmark::DoNotOptimize(sum);
}

// Keeps each run's time per sample for the tables at the end.
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
    double find(Process p, const char* who, const char* label) const {
        const auto it = nanoseconds.find(std::string(prefix(p)) + who + label);
        return it == nanoseconds.end() ? 0.0 : it->second;
    }
};

void printTable(const TableReporter& r, Process p) {
    std::printf("\n%s\n", p == Process::Bare ? "Bare process" : "With a QApplication");
    std::printf("%-40s %8s %8s %8s %8s %8s\n", "text (ns per sample)", "ours", "muparser", "native", "/mup", "/native");
    for (const Case& c : cases()) {
        const double o = r.find(p, "ours/", c.label), m = r.find(p, "muparser/", c.label),
                     n = r.find(p, "native/", c.label);
        if (o == 0 || m == 0) continue;
        std::printf("%-40.40s %8.1f %8.1f ", c.label, o, m);
        if (n > 0) std::printf("%8.1f %8.2f %8.2f\n", n, o / m, o / n);
        else std::printf("%8s %8.2f %8s\n", "-", o / m, "-");
    }
    std::printf("%-40s %8s %8s %8s\n", "two texts per sample (ns per sample)", "one obj", "two objs", "ratio");
    for (const Pair& pair : pairs()) {
        const double one = r.find(p, "alternating/", pair.label), two = r.find(p, "object per text/", pair.label);
        if (one == 0 || two == 0) continue;
        std::printf("%-40.40s %8.1f %8.1f %8.2f\n", pair.label, one, two, one / two);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Process> states = {Process::Bare};
#ifdef PLOTARIS_BENCH_WITH_QT
    states.push_back(Process::WithApplication);
#endif
    for (Process p : states) {
        for (const Case& c : cases()) {
            const std::string tail = c.label;
            benchmark::RegisterBenchmark((prefix(p) + std::string("ours/") + tail).c_str(), ours, c, p);
            benchmark::RegisterBenchmark((prefix(p) + std::string("muparser/") + tail).c_str(), theirs, c, p);
            if (c.native) benchmark::RegisterBenchmark((prefix(p) + std::string("native/") + tail).c_str(), native, c, p);
        }
        for (const Pair& pair : pairs()) {
            benchmark::RegisterBenchmark((prefix(p) + std::string("alternating/") + pair.label).c_str(), alternating,
                                         pair, p);
            benchmark::RegisterBenchmark((prefix(p) + std::string("object per text/") + pair.label).c_str(),
                                         objectPerText, pair, p);
        }
    }
    benchmark::Initialize(&argc, argv);
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (Process p : states) printTable(reporter, p);
    if (states.size() > 1) {
        std::printf("\n%-40s %8s\n", "ours, with a QApplication / bare", "ratio");
        for (const Case& c : cases()) {
            const double bare = reporter.find(Process::Bare, "ours/", c.label);
            const double app = reporter.find(Process::WithApplication, "ours/", c.label);
            if (bare > 0 && app > 0) std::printf("%-40.40s %8.2f\n", c.label, app / bare);
        }
    }
    benchmark::Shutdown();
    return 0;
}
