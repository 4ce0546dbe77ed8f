// How the canvas prints a number: its shortest decimal form (at most 15 significant digits),
// a blank in front of a number without a minus sign, a blank after every number; never "-0".
#pragma once

#include <QString>

namespace plotaris::canvas {

// The digits alone: "3", "-0.5", "12.5", "1e+20".
QString shortestDecimal(double value);
// As printed on a canvas: " 3 ", "-0.5 ".
QString printedNumber(double value);
// Rounded to one decimal, halves away from zero (the graduation numbers).
double roundToOneDecimal(double value);

}  // namespace plotaris::canvas
