#include "canvas/radians.h"

#include <cmath>

#include "canvas/graduation.h"
#include "canvas/number_format.h"
#include "canvas/picture_area.h"

namespace plotaris::canvas {

double MarcarEixoRadianos(const GraphFrame& f, PictureArea& picture, RadianMarks style) {
    const VisibleRange visible = visibleX(f);
    if (style == RadianMarks::TicksToWholePart) {
        const auto mark = [&](double t) {
            if (t != 0) picture.line(t, 2 * f.UnidadePixelY, t, -2 * f.UnidadePixelY);
        };
        graduationRun(0, std::floor(f.ValorXmax), kPi / 2, visible.low, visible.high, mark);
        return graduationRun(0, std::floor(f.ValorXmin), -kPi / 2, visible.low, visible.high, mark);
    }
    picture.setDrawWidth(3);
    const QRgb colour = picture.foreColor().rgb();
    const auto dot = [&](double t) { picture.point(t, 0, colour); };
    graduationRun(0, f.ValorXmax, kPi / 2, visible.low, visible.high, dot);
    const double exit = graduationRun(0, f.ValorXmin, -kPi / 2, visible.low, visible.high, dot);
    picture.setDrawWidth(1);
    return exit;
}

double NumerarEixoRadianos(const GraphFrame& f, PictureArea& picture, const std::function<double()>& leftEnd,
                           const std::function<double()>& rightEnd) {
    const VisibleRange visible = visibleX(f);
    const double top = -6 * f.UnidadePixelY;
    const auto label = [&](double x, const QString& text) {
        picture.setCurrentPosition(x, top);
        picture.print(text);
    };
    const auto run = [&](double start, double end, double step, auto&& body) {
        return graduationRun(start, end, step, visible.low, visible.high, body);
    };
    picture.setFontName(QStringLiteral("symbol"));
    picture.setFontSize(8);
    picture.setFontBold(false);

    label(-kPi / 2 - 6 * f.UnidadePixelX, QStringLiteral("-p/2"));
    int k = 3;
    run(-9.42477 / 2, leftEnd(), -kPi, [&](double t) {
        label(t - 6 * f.UnidadePixelX, printedNumber(-k) + QStringLiteral("p/2"));
        k += 2;
    });
    label(-kPi - 4 * f.UnidadePixelX, QStringLiteral("-p"));
    k = 2;
    run(-6.28318, leftEnd(), -kPi, [&](double t) {
        label(t - 6 * f.UnidadePixelX, printedNumber(-k) + QStringLiteral("p"));
        k += 1;
    });
    label(kPi / 2 - 4 * f.UnidadePixelX, QStringLiteral("p/2"));
    k = 3;
    run(9.42477 / 2, rightEnd(), kPi, [&](double t) {
        label(t - 6 * f.UnidadePixelX, printedNumber(k) + QStringLiteral("p/2"));
        k += 2;
    });
    label(kPi - 2 * f.UnidadePixelX, QStringLiteral("p"));
    k = 2;
    return run(6.28318, rightEnd(), kPi, [&](double t) {
        label(t - 6 * f.UnidadePixelX, printedNumber(k) + QStringLiteral("p"));
        k += 1;
    });
}

}  // namespace plotaris::canvas
