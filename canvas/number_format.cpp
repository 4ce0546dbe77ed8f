#include "canvas/number_format.h"

#include <charconv>
#include <cmath>

namespace plotaris::canvas {

QString shortestDecimal(double value) {
    if (value == 0) return QStringLiteral("0");  // also -0
    if (std::isnan(value)) return QStringLiteral("NaN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QString printedNumber(double value) {
    const QString digits = shortestDecimal(value);
    return (digits.startsWith(QLatin1Char('-')) ? QString() : QStringLiteral(" ")) + digits + QLatin1Char(' ');
}

double roundToOneDecimal(double value) {
    const double scaled = value * 10;
    if (!std::isfinite(scaled)) return value;
    return std::round(scaled) / 10;
}

}  // namespace plotaris::canvas
