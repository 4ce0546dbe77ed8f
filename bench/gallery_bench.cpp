// The drawing of a special-curves family (nine curves on the nine pictures, one evaluator, the
// text set once per curve) against the evaluation alone of the same samples. The two families of
// the most samples (2.8 million), with the longest text (Folióide n/5) and a short one (Concóide
// da rosácea n/5); the shortest text (Rosácea n/4); and the radius limit (Espiral sinusoidal n/5).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <string>

#include "app/window_factory.h"
#include "canvas/counted_loop.h"
#include "canvas/sampling.h"
#include "curves/form5.h"
#include "curves/gallery_families.h"
#include "evaluator/equation.h"
#include "windows/window_registry.h"

namespace {

plotaris::Form5* openForm5() {
    static plotaris::Form5* form = [] {
        plotaris::registerWindows();
        return static_cast<plotaris::Form5*>(plotaris::WindowRegistry::instance().show(plotaris::FormId::Form5));
    }();
    return form;
}

const plotaris::curves::FamíliaEspecial& family(const char* button) {
    return *plotaris::curves::famíliaEspecial(button);
}

void FamilyEvaluationAlone(benchmark::State& state, const char* button) {
    const auto& família = family(button);
    const std::string variable = "t";
    double samples = 0;
    for (auto _ : state) {
        plotaris::Equação equation;
        double sum = 0;
        samples = 0;
        for (const auto& curve : família.Curvas) {
            equation.Equation(curve.TextoCurva);
            plotaris::canvas::countedLoop(curve.TInício, curve.TFim, 0.0001, [&](double t) {
                ++samples;
                try {
                    equation.Var(variable, t);
                    equation.Solve();
                    sum += equation.Solution();
                } catch (const plotaris::EvaluatorError&) {
                }
            });
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["samples"] = samples;
}

void FamilyDrawing(benchmark::State& state, const char* button) {
    plotaris::Form5* form = openForm5();
    const auto& família = family(button);
    for (auto _ : state) {
        form->DesenharFamília(família);
        // The repaints the drawing posted are handled between drawings, as the program's event
        // loop does, outside the measure.
        state.PauseTiming();
        form->Apagar_Click();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

BENCHMARK_CAPTURE(FamilyEvaluationAlone, Folioiden5, "Folioiden5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FamilyDrawing, Folioiden5, "Folioiden5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FamilyEvaluationAlone, ConcoideRosacean5, "ConcoideRosacean5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FamilyDrawing, ConcoideRosacean5, "ConcoideRosacean5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FamilyEvaluationAlone, DesRosaciaN4, "DesRosáciaN4")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FamilyDrawing, DesRosaciaN4, "DesRosáciaN4")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FamilyEvaluationAlone, DesEspiralSin5, "DesEspiralSin5")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(FamilyDrawing, DesEspiralSin5, "DesEspiralSin5")->Unit(benchmark::kMillisecond);

}  // namespace
