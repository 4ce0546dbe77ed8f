#include "cartesian/stepped_number.h"

#include <string>

namespace plotaris {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string withoutLeadingZeros(std::string digits) {
    const std::size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? std::string() : digits.substr(first);
}

// A number as sign and digits: whole part without leading zeros (empty for 0), decimal part
// without trailing zeros.
struct Decimal {
    bool negative = false;
    std::string whole, fraction;
};

std::optional<Decimal> parse(const QString& text) {
    const QString trimmed = text.trimmed();
    for (QChar c : trimmed)
        if (c.unicode() > 0x7F) return std::nullopt;
    const std::string s = trimmed.toStdString();
    std::size_t i = 0;
    Decimal d;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) d.negative = s[i++] == '-';
    const std::size_t wholeFrom = i;
    while (i < s.size() && isDigit(s[i])) ++i;
    d.whole = s.substr(wholeFrom, i - wholeFrom);
    if (i < s.size() && s[i] == '.') {
        const std::size_t fractionFrom = ++i;
        while (i < s.size() && isDigit(s[i])) ++i;
        d.fraction = s.substr(fractionFrom, i - fractionFrom);
    }
    if (i != s.size() || (d.whole.empty() && d.fraction.empty())) return std::nullopt;
    d.whole = withoutLeadingZeros(d.whole);
    d.fraction.erase(d.fraction.find_last_not_of('0') + 1);
    return d;
}

// Digits plus one, and minus one (of a number not below 1), without leading zeros.
std::string plusOne(std::string digits) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i == 0) return "1" + digits;
    ++digits[i - 1];
    return digits;
}

std::string minusOne(std::string digits) {
    std::size_t i = digits.size();
    while (digits[i - 1] == '0') digits[--i] = '9';
    --digits[i - 1];
    return withoutLeadingZeros(digits);
}

// 1 - 0.fraction, as the digits after the point (the fraction is not empty and not all zeros).
std::string complement(std::string fraction) {
    // 10^n - f: the last digit from 10, the others from 9.
    for (std::size_t i = 0; i < fraction.size(); ++i) fraction[i] = char('9' - fraction[i] + '0');
    fraction = plusOne(fraction);  // no carry out: the fraction was not zero
    return fraction.erase(fraction.find_last_not_of('0') + 1);
}

}  // namespace

std::optional<QString> steppedNumber(const QString& text, bool up) {
    std::optional<Decimal> parsed = parse(text);
    if (!parsed) return std::nullopt;
    Decimal d = *parsed;
    const bool zero = d.whole.empty() && d.fraction.empty();
    if (zero) d.negative = false;
    if (d.negative != up) {
        // Away from zero: the magnitude grows by one.
        d.whole = plusOne(d.whole);
    } else if (!d.whole.empty()) {
        d.whole = minusOne(d.whole);
    } else {
        // Below one in magnitude: across zero, to 1 - |value| on the other side.
        d.fraction = d.fraction.empty() ? std::string() : complement(d.fraction);
        if (d.fraction.empty()) d.whole = "1";
        d.negative = !d.negative;
    }
    if (d.whole.empty() && d.fraction.empty()) d.negative = false;
    std::string out = d.negative ? "-" : "";
    out += d.whole.empty() ? "0" : d.whole;
    if (!d.fraction.empty()) out += "." + d.fraction;
    return QString::fromStdString(out);
}

}  // namespace plotaris
