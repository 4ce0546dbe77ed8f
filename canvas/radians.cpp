#include "canvas/radians.h"

#include <cmath>

#include "canvas/axes.h"
#include "canvas/number_format.h"
#include "canvas/picture_area.h"

namespace plotaris::canvas {

namespace {

// Pixels beyond the canvas's edge where a mark or label could still show.
constexpr double kVisibleMargin = 200;

double visibleLow(const GraphFrame& f) {
    return std::min(frameLeft(f), frameRight(f)) - kVisibleMargin * f.UnidadePixelX;
}
double visibleHigh(const GraphFrame& f) {
    return std::max(frameLeft(f), frameRight(f)) + kVisibleMargin * f.UnidadePixelX;
}

}  // namespace

void MarcarEixoRadianos(const GraphFrame& f, PictureArea& picture, RadianMarks style) {
    const double low = visibleLow(f), high = visibleHigh(f);
    if (style == RadianMarks::TicksToWholePart) {
        const auto mark = [&](double t) {
            if (t != 0) picture.line(t, 2 * f.UnidadePixelY, t, -2 * f.UnidadePixelY);
        };
        graduationRun(0, std::floor(f.ValorXmax), kPi / 2, low, high, mark);
        graduationRun(0, std::floor(f.ValorXmin), -kPi / 2, low, high, mark);
        return;
    }
    picture.setDrawWidth(3);
    const QRgb colour = picture.foreColor().rgb();
    const auto dot = [&](double t) { picture.point(t, 0, colour); };
    graduationRun(0, f.ValorXmax, kPi / 2, low, high, dot);
    graduationRun(0, f.ValorXmin, -kPi / 2, low, high, dot);
    picture.setDrawWidth(1);
}

void NumerarEixoRadianos(const GraphFrame& f, PictureArea& picture, const std::function<double()>& leftEnd,
                         const std::function<double()>& rightEnd) {
    const double low = visibleLow(f), high = visibleHigh(f);
    const double top = -6 * f.UnidadePixelY;
    const auto label = [&](double x, const QString& text) {
        picture.setCurrentPosition(x, top);
        picture.print(text);
    };
    picture.setFontName(QStringLiteral("symbol"));
    picture.setFontSize(8);
    picture.setFontBold(false);

    label(-kPi / 2 - 6 * f.UnidadePixelX, QStringLiteral("-p/2"));
    int k = 3;
    graduationRun(-9.42477 / 2, leftEnd(), -kPi, low, high, [&](double t) {
        label(t - 6 * f.UnidadePixelX, printedNumber(-k) + QStringLiteral("p/2"));
        k += 2;
    });
    label(-kPi - 4 * f.UnidadePixelX, QStringLiteral("-p"));
    k = 2;
    graduationRun(-6.28318, leftEnd(), -kPi, low, high, [&](double t) {
        label(t - 6 * f.UnidadePixelX, printedNumber(-k) + QStringLiteral("p"));
        k += 1;
    });
    label(kPi / 2 - 4 * f.UnidadePixelX, QStringLiteral("p/2"));
    k = 3;
    graduationRun(9.42477 / 2, rightEnd(), kPi, low, high, [&](double t) {
        label(t - 6 * f.UnidadePixelX, printedNumber(k) + QStringLiteral("p/2"));
        k += 2;
    });
    label(kPi - 2 * f.UnidadePixelX, QStringLiteral("p"));
    k = 2;
    graduationRun(6.28318, rightEnd(), kPi, low, high, [&](double t) {
        label(t - 6 * f.UnidadePixelX, printedNumber(k) + QStringLiteral("p"));
        k += 1;
    });
}

}  // namespace plotaris::canvas
