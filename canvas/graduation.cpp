#include "canvas/graduation.h"

#include <algorithm>
#include <cmath>

#include "canvas/number_format.h"
#include "canvas/picture_area.h"

namespace plotaris::canvas {

namespace {

constexpr double kVisibleMargin = 200;  // pixels beyond the edge where a mark or number could show

double runEnd(double limit, GraduationEnd end) { return end == GraduationEnd::WholePart ? std::floor(limit) : limit; }

template <class Body>
double eachRun(const AxisRuns& axis, VisibleRange visible, double counter, Body&& body) {
    for (int r = 0; r < axis.count; ++r) {
        const GraduationRun& run = axis.runs[size_t(r)];
        counter = graduationRun(run.start, run.end, run.step, visible.low, visible.high, body);
    }
    return counter;
}

void useNumberFont(PictureArea& picture) {
    picture.setFontName(QStringLiteral("MS Serif"));
    picture.setFontSize(6);
    picture.setFontBold(true);
}

}  // namespace

AxisRuns runsFromZero(double step, double lower, double upper, GraduationEnd end) {
    return {{GraduationRun{0, runEnd(upper, end), step}, GraduationRun{0, runEnd(lower, end), -step}}, 2};
}

AxisRuns wholeUnitRuns(double lower, double upper) {
    return {{GraduationRun{std::floor(lower), std::floor(upper), 1}}, 1};
}

VisibleRange visibleX(const GraphFrame& f) {
    return {std::min(frameLeft(f), frameRight(f)) - kVisibleMargin * f.UnidadePixelX,
            std::max(frameLeft(f), frameRight(f)) + kVisibleMargin * f.UnidadePixelX};
}

VisibleRange visibleY(const GraphFrame& f) {
    return {std::min(frameTop(f), frameBottom(f)) - kVisibleMargin * f.UnidadePixelY,
            std::max(frameTop(f), frameBottom(f)) + kVisibleMargin * f.UnidadePixelY};
}

RunExits drawGraduation(const GraphFrame& f, PictureArea& picture, const Graduation& g) {
    RunExits exits;
    const VisibleRange vx = visibleX(f), vy = visibleY(f);
    if (g.marksX) {
        if (f.EixosEmRadianos) {
            exits.x = MarcarEixoRadianos(f, picture, g.radianMarks);
        } else {
            exits.x = eachRun(g.x, vx, exits.x, [&](double i) {
                if (i != 0) picture.line(i, 2 * f.UnidadePixelY, i, -2 * f.UnidadePixelY);
            });
        }
    }
    if (g.marksY) {
        exits.y = eachRun(g.y, vy, exits.y, [&](double j) {
            if (j != 0) picture.line(-2 * f.UnidadePixelX, j, 2 * f.UnidadePixelX, j);
        });
    }
    if (g.numbersX) {
        if (f.EixosEmRadianos) {
            exits.x = NumerarEixoRadianos(f, picture, g.radianLeftEnd, g.radianRightEnd);
        } else {
            useNumberFont(picture);
            exits.x = eachRun(g.x, vx, exits.x, [&](double i) {
                picture.setCurrentPosition(i - 8 * f.UnidadePixelX, -8 * f.UnidadePixelY);
                if (i != 0) picture.print(printedNumber(roundToOneDecimal(i)));
            });
        }
    }
    if (g.numbersY) {
        useNumberFont(picture);
        exits.y = eachRun(g.y, vy, exits.y, [&](double j) {
            picture.setCurrentPosition(-18 * f.UnidadePixelX, j + 5 * f.UnidadePixelY);
            if (j != 0) picture.print(printedNumber(roundToOneDecimal(j)));
        });
    }
    return exits;
}

}  // namespace plotaris::canvas
