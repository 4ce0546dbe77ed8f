#include "canvas/drawing_limits.h"

namespace plotaris::canvas {

namespace {

std::chrono::steady_clock::duration steadyNow() { return std::chrono::steady_clock::now().time_since_epoch(); }

DrawingClock drawingClock = &steadyNow;

}  // namespace

TooManySamples::TooManySamples(bool ofAbscissas)
    : std::runtime_error(ofAbscissas ? "O intervalo das abcissas é demasiado largo: o gráfico teria mais de dez mil "
                                       "milhões de pontos."
                                     : "O intervalo de t é demasiado largo: o desenho teria mais de dez mil milhões "
                                       "de pontos.") {}

DrawingTooLong::DrawingTooLong()
    : std::runtime_error("O desenho é demasiado demorado: foi interrompido ao fim de dez segundos.") {}

DrawingClock setDrawingClock(DrawingClock clock) {
    const DrawingClock replaced = drawingClock;
    drawingClock = clock ? clock : &steadyNow;
    return replaced;
}

DrawingDeadline::DrawingDeadline() : end_(drawingClock() + kDrawingTimeLimit) {}

void DrawingDeadline::readClock() {
    untilReading_ = kSamplesBetweenReadings;
    if (drawingClock() >= end_) throw DrawingTooLong();
}

}  // namespace plotaris::canvas
