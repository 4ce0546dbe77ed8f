// The parametric window's list of named curves, in the order the list shows them: the name and
// the two equations x(t) and y(t) as the evaluator reads them (spelled as the list has always had
// them). A curve keeps the range of t the window shows.
#pragma once

#include <array>

namespace plotaris::curves {

struct ParametricCurve {
    const char* name;
    const char* x;  // x(t)
    const char* y;  // y(t)
};

extern const std::array<ParametricCurve, 23> kParametricCurves;

}  // namespace plotaris::curves
