// What an arrow of a limit's stepper does to the text of its box.
#pragma once

#include <QString>
#include <optional>

namespace plotaris {

// A plain decimal number (optional sign, digits with "." as the decimal point, blanks around it)
// stepped by one, up or down, in its shortest decimal form: "-12" down gives "-13", "2.5" up
// "3.5". The sum is made on the digits, so a whole number of any length steps by exactly one and
// a fraction keeps every digit. Anything else ("pi", "", "2,5", "1e3") gives nothing: the box is
// left as it is. "." is the evaluator's decimal point whatever the user's locale; "," separates
// a function's arguments there, so a text with "," is not a number.
std::optional<QString> steppedNumber(const QString& text, bool up);

}  // namespace plotaris
