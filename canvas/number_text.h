// Reading a box's text as a plain number, the two ways the windows do it besides evaluating it.
#pragma once

#include <QString>
#include <stdexcept>

namespace plotaris::canvas {

// A text that should have been a plain number and is not; its text is the description shown.
struct ConversionError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The number the text begins with, after leading and trailing blanks ("-2pi" gives -2, "pi"
// gives 0): optional sign, digits with "." as the decimal point, optional exponent.
double leadingNumber(const QString& text);

// The whole text, blanks around it aside, as a plain number; anything else throws
// ConversionError ("2pi", "", "1,5").
double strictNumber(const QString& text);

}  // namespace plotaris::canvas
