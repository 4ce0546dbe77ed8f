#include "canvas/number_text.h"

#include <charconv>
#include <cctype>
#include <cmath>
#include <string>

namespace plotaris::canvas {

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// Length of the plain number at the start of `s` (0 when there is none).
std::size_t numberLength(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, ++digits;
    }
    if (digits == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        const std::size_t first = j;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
        if (j > first) i = j;
    }
    return i;
}

std::string trimmed(const QString& text) {
    qsizetype from = 0, to = text.size();
    while (from < to && isBlank(text[from])) ++from;
    while (to > from && isBlank(text[to - 1])) --to;
    return text.mid(from, to - from).toStdString();
}

double parse(const std::string& s, std::size_t length) {
    // from_chars reads "." as the decimal point whatever the user's locale.
    std::size_t from = s[0] == '+' ? 1 : 0;
    double value = 0;
    const auto result = std::from_chars(s.data() + from, s.data() + length, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large a magnitude: an infinity of the right sign; too small: zero.
        const bool negative = s[0] == '-';
        const auto exponent = s.find_first_of("eE");
        const bool tiny = exponent != std::string::npos && s[exponent + 1] == '-';
        return tiny ? 0.0 : (negative ? -HUGE_VAL : HUGE_VAL);
    }
    return value;
}

}  // namespace

double leadingNumber(const QString& text) {
    const std::string s = trimmed(text);
    const std::size_t length = numberLength(s);
    return length == 0 ? 0.0 : parse(s, length);
}

double strictNumber(const QString& text) {
    const std::string s = trimmed(text);
    const std::size_t length = numberLength(s);
    if (length == 0 || length != s.size())
        throw ConversionError("Tipos incompatíveis: \"" + text.toStdString() + "\" não é um número.");
    return parse(s, length);
}

}  // namespace plotaris::canvas
