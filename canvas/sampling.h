// The sampling loop of every drawing: a counted loop over the curve's variable in which the
// evaluator computes the curve at each value, a filter keeps or drops the point, and each point
// kept is plotted on the pictures that receive it. The drawings differ only in the settings
// below: the variable, whether the text is handed over again at every sample, the filter, how the
// values become a point, the pictures, and what a failing sample does. Every drawing keeps to the
// limits of drawing_limits.h.
#pragma once

#include <QColor>
#include <cmath>
#include <string>

#include "canvas/angle_steps.h"
#include "canvas/counted_loop.h"
#include "canvas/drawing_limits.h"
#include "canvas/picture_area.h"
#include "evaluator/equation.h"

namespace plotaris::canvas {

// How the values computed at a sample become a point.
enum class CurveForm {
    Function,    // y = f(x): the point (x, y)
    Polar,       // r = f(t): the point (r cos t, r sin t)
    Parametric,  // x = f(t), y = g(t): the point (x(t), y(t))
};

// What a sample whose evaluation fails does.
enum class SampleFailure {
    StopDrawing,  // the evaluator's error leaves the loop, for the window to show its message
    SkipSample,   // the sample is dropped silently and the loop goes on
};

struct Curve {
    CurveForm form = CurveForm::Function;
    std::string variable = "x";
    std::string text;             // y(x), r(t) or x(t)
    std::string secondText;       // y(t) of a parametric curve
    // Handed to the evaluator again at every sample, or once before the loop. The two texts of a
    // parametric curve take turns on one evaluator, so they are handed over at every sample.
    bool textEverySample = true;
    SampleFailure onFailure = SampleFailure::StopDrawing;
};

// The values computed at one sample: the counter, and the value of each text.
struct Sample {
    double counter = 0, first = 0, second = 0;
};

// Where the points go, in one colour: one picture, or a canvas and its live twin.
struct PointTargets {
    PictureArea* picture = nullptr;
    PictureArea* twin = nullptr;
    QRgb colour = 0;
};

// The filters.
struct KeepEveryPoint {
    bool operator()(const Sample&) const { return true; }
};
// The graph of a function: strictly inside the y window, and never exactly 0.
struct InsideWithoutZero {
    double low, high;
    bool operator()(const Sample& s) const { return s.first > low && s.first < high && s.first != 0; }
};
// The first value (a radius) strictly between the bounds.
struct FirstInside {
    double low, high;
    bool operator()(const Sample& s) const { return s.first > low && s.first < high; }
};
// The second value (the y of a parametric curve) strictly between the bounds.
struct SecondInside {
    double low, high;
    bool operator()(const Sample& s) const { return s.second > low && s.second < high; }
};

namespace detail {

[[gnu::always_inline]] inline double solveAt(plotaris::detail::EquationObject& equation, const Curve& curve,
                                             const std::string& text, double counter) {
    if (curve.textEverySample || curve.form == CurveForm::Parametric) equation.Equation(text);
    equation.Var(curve.variable, counter);
    equation.Solve();
    return equation.Solution();
}

// Computes the sample's values into `sample` as they come (a failing second text leaves the first
// computed); false when the sample failed and is to be skipped.
[[gnu::always_inline]] inline bool computeSample(plotaris::detail::EquationObject& equation, const Curve& curve, Sample& sample) {
    try {
        sample.first = solveAt(equation, curve, curve.text, sample.counter);
        if (curve.form == CurveForm::Parametric) sample.second = solveAt(equation, curve, curve.secondText, sample.counter);
        return true;
    } catch (const EvaluatorError&) {
        if (curve.onFailure == SampleFailure::StopDrawing) throw;
        return false;
    }
}

// Turns each sample kept into a point on the targets, by the curve's form.
template <CurveForm Form>
class Plotter {
public:
    explicit Plotter(const PointTargets& targets)
        : picture_(targets.picture),
          colour_(targets.colour),
          mirrored_(targets.twin && targets.picture->mirrorPointsTo(*targets.twin) ? targets.twin : nullptr),
          apart_(mirrored_ ? nullptr : targets.twin) {}

    [[gnu::always_inline]] void operator()(const Sample& s) {
        double x = s.counter, y = s.first;
        if constexpr (Form == CurveForm::Polar) {
            double cosine, sine;
            angles_.next(s.counter, cosine, sine);
            x = s.first * cosine;
            y = s.first * sine;
        } else if constexpr (Form == CurveForm::Parametric) {
            x = s.first;
            y = s.second;
        }
        picture_->point(x, y, colour_, mirrored_);
        if (apart_) apart_->point(x, y, colour_);
    }

private:
    PictureArea* picture_;
    QRgb colour_;
    PictureArea* mirrored_;  // the twin, when it takes its points from the picture's
    PictureArea* apart_;     // the twin, when it places its own
    AngleSteps angles_;  // polar curves only
};

template <CurveForm Form, class Keep>
void sampleAs(plotaris::detail::EquationObject& equation, const Curve& curve, double start, double end, double step,
              Keep& keep, const PointTargets& targets, Sample& values) {
    Plotter<Form> plot(targets);
    DrawingDeadline deadline;
    countedLoop(start, end, step, [&](double counter) {
        values.counter = counter;
        if (computeSample(equation, curve, values) && keep(values)) plot(values);
        deadline.sampleDone();
    });
}

}  // namespace detail

// Runs the curve's variable from `start` by `step` while it has not passed `end`, and plots every
// point that `keep` accepts. `last`, when given, receives the values as each is computed, drawn
// or not. An evaluator error leaves the loop when the curve stops on failures; TooManySamples
// refuses a range before anything is evaluated, and DrawingTooLong leaves the loop when the
// drawing's time is up, whatever the curve does on failures.
template <class Keep>
void sampleCurve(plotaris::detail::EquationObject& equation, const Curve& curve, double start, double end, double step,
                 Keep&& keep, const PointTargets& targets, Sample* last = nullptr) {
    if (countedLoopPasses(start, end, step) > kMaxSamples) throw TooManySamples(curve.form == CurveForm::Function);
    if (!curve.textEverySample) equation.Equation(curve.text);
    Sample sample;
    Sample& values = last ? *last : sample;
    switch (curve.form) {
        case CurveForm::Function:
            detail::sampleAs<CurveForm::Function>(equation, curve, start, end, step, keep, targets, values);
            break;
        case CurveForm::Polar:
            detail::sampleAs<CurveForm::Polar>(equation, curve, start, end, step, keep, targets, values);
            break;
        case CurveForm::Parametric:
            detail::sampleAs<CurveForm::Parametric>(equation, curve, start, end, step, keep, targets, values);
            break;
    }
}

}  // namespace plotaris::canvas
