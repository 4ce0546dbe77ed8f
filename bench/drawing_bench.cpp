// The whole drawing of the default function in the one-function window (50 001 samples,
// evaluation and plotting on the canvas and its live twin) against the evaluation alone. Every
// benchmark runs in the same process state: the window is open and the events posted since the
// last pass are handled before each pass, outside the measure, as the program's event loop does.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHashFunctions>
#include <QLineEdit>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "app/window_factory.h"
#include "windows/window_registry.h"
#include "canvas/counted_loop.h"
#include "canvas/graph_canvas.h"
#include "canvas/picture_area.h"
#include "canvas/sampling.h"
#include "cartesian/form1.h"
#include "comparison/form10.h"
#include "evaluator/equation.h"
#include "platform/fonts.h"

namespace {

plotaris::Form1* openForm1() {
    static plotaris::Form1* form = [] {
        plotaris::registerWindows();
        return static_cast<plotaris::Form1*>(plotaris::WindowRegistry::instance().show(plotaris::FormId::Form1));
    }();
    return form;
}

// Handles what was posted since the last pass, outside the measure. The program's event handling
// before a click hashes strings, and Qt's hash of a string longer than 16 characters leaves the
// upper halves of the vector registers in use: each pass starts in that state, as a click does.
void settleEvents(benchmark::State& state) {
    state.PauseTiming();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(qHash(QStringView(u"a key longer than sixteen characters")));
    state.ResumeTiming();
}

void EvaluationAlone(benchmark::State& state) {
    openForm1();
    const std::string text = "1/3x*(2-sen(x))";
    const std::string variable = "x";
    for (auto _ : state) {
        settleEvents(state);
        plotaris::clsEquation equation;
        double sum = 0;
        plotaris::canvas::countedLoop(-12.0, 12.0, 24.0 / 50000, [&](double x) {
            equation.Equation(text);
            equation.Var(variable, x);
            equation.Solve();
            sum += equation.Solution();
        });
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(EvaluationAlone)->Unit(benchmark::kMillisecond);

// The plotting part alone: the same 50 001 points through the drawing's own plotter, on a canvas
// and its live twin, values known.
void PlottingAlone(benchmark::State& state) {
    plotaris::Form1* form = openForm1();
    std::vector<std::pair<double, double>> points;
    {
        plotaris::clsEquation equation;
        equation.Equation("1/3x*(2-sen(x))");
        plotaris::canvas::countedLoop(-12.0, 12.0, 24.0 / 50000, [&](double x) {
            equation.Var("x", x);
            equation.Solve();
            points.emplace_back(x, equation.Solution());
        });
    }
    auto* canvas = form->canvas->picture;
    auto* twin = form->canvas->twin;
    canvas->setUserScale(-12.96, 12.96, 12.96, -12.96);
    twin->setUserScale(-12.96, 12.96, 12.96, -12.96);
    twin->show();
    const plotaris::canvas::PointTargets targets{canvas, twin, qRgb(0, 0, 255)};
    for (auto _ : state) {
        settleEvents(state);
        plotaris::canvas::detail::Plotter<plotaris::canvas::CurveForm::Function> plot(targets);
        for (const auto& [x, y] : points) {
            if (y > -12 && y < 12 && y != 0) plot(plotaris::canvas::Sample{x, y, 0});
        }
    }
    twin->hide();
}
BENCHMARK(PlottingAlone)->Unit(benchmark::kMillisecond);

void WholeDrawing(benchmark::State& state) {
    plotaris::Form1* form = openForm1();
    for (auto _ : state) {
        settleEvents(state);
        form->DesenharGráfico_Click();
    }
}
BENCHMARK(WholeDrawing)->Unit(benchmark::kMillisecond);

plotaris::Form10* openForm10() {
    static plotaris::Form10* form = [] {
        openForm1();  // registers the windows
        return static_cast<plotaris::Form10*>(plotaris::WindowRegistry::instance().show(plotaris::FormId::Form10));
    }();
    return form;
}

// A comparison drawing: x^2 from -8 to 8 by 0.001 (16 001 samples), the y limits read as text at
// every sample; with the argument 1, from -5000 to 5000 (ten million samples).
void ComparisonDrawing(benchmark::State& state) {
    plotaris::Form10* form = openForm10();
    const bool widest = state.range(0) == 1;
    const QString limit = widest ? QStringLiteral("5000") : QStringLiteral("8");
    form->axisBoxes.Xmin->setText(QStringLiteral("-") + limit);
    form->axisBoxes.Xmax->setText(limit);
    form->DesenharEixos_Click();
    for (auto _ : state) {
        form->DesenharN_Click(1);
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(ComparisonDrawing)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    plotaris::platform::installFontSubstitutes();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    plotaris::WindowRegistry::instance().reset();
    return 0;
}
