// The polar window's list of named curves, in the order the list shows them: the name, r(t) as
// the evaluator reads it (spelled as the list has always had it) and the range of t it is drawn
// over.
#pragma once

#include <array>

namespace plotaris::curves {

struct PolarRange {
    const char* start;
    const char* end;
};

// The range of every curve that names none of its own.
inline constexpr PolarRange kUsualPolarRange{"0", "2pi"};

struct PolarCurve {
    const char* name;
    const char* equation;  // r(t)
    PolarRange range = kUsualPolarRange;
};

extern const std::array<PolarCurve, 48> kPolarCurves;

}  // namespace plotaris::curves
