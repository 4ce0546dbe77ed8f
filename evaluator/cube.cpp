// x^3 without the cost of std::pow, and with its values.
//
// Far from the ends of the Double range, the cube is carried in two parts, exact to about 2^-104
// of its value, and rounded once: that is the correctly rounded cube. std::pow is within 0.54 of
// a unit in the last place, so wherever the exact cube lies within 0.45 of a unit of that
// rounding, std::pow gives the same Double. Near a midpoint between two Doubles, next to a power
// of two (where the unit changes) and near the ends of the range, std::pow itself decides: about
// one sample in ten.
#include <bit>
#include <cmath>
#include <cstdint>

#include "evaluator/arithmetic.h"

namespace plotaris::detail {

namespace {

constexpr std::uint64_t kExponentBits = 0x7FF0000000000000u;
constexpr std::uint64_t kMantissaBits = 0x000FFFFFFFFFFFFFu;

// a·b as the rounded product p and its rounding error e: a·b = p + e exactly.
template <bool WithFma>
[[gnu::always_inline]] inline double exactProduct(double a, double b, double& e) {
    const double p = a * b;
    if constexpr (WithFma) {
        e = __builtin_fma(a, b, -p);
    } else {
        // Each factor split into halves of 26 bits, whose products are exact.
        const auto split = [](double v, double& high, double& low) {
            const double c = 134217729.0 * v;  // 2^27 + 1
            high = c - (c - v);
            low = v - high;
        };
        double ah, al, bh, bl;
        split(a, ah, al);
        split(b, bh, bl);
        e = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
    }
    return p;
}

template <bool WithFma>
[[gnu::always_inline]] inline double roundedCube(double a) {
    if (!(std::fabs(a) > 0x1p-250 && std::fabs(a) < 0x1p250)) return std::pow(a, 3.0);
    double e, f;
    const double p = exactProduct<WithFma>(a, a, e);  // a² = p + e
    const double q = exactProduct<WithFma>(p, a, f);  // p·a = q + f
    double low;  // the rest, below a unit of q's last place or so
    if constexpr (WithFma) low = __builtin_fma(e, a, f);
    else low = f + e * a;
    // The rest of the cube beyond q, in units of q's last place (scaling by a power of two is
    // exact), and its distance to the nearest whole number of units.
    const auto bits = std::bit_cast<std::uint64_t>(q);
    const std::uint64_t exponent = (bits & kExponentBits) >> 52;
    const double unitsPerValue = std::bit_cast<double>((2098 - exponent) << 52);  // 2^(1075 - exponent)
    const double units = low * unitsPerValue;
    const double nearest = (units + 0x1.8p52) - 0x1.8p52;  // rounded to a whole number
    // The rest is under two units, so a q a few units away from a power of two stays in its binade.
    const std::uint64_t mantissa = bits & kMantissaBits;
    if (mantissa - 4 < kMantissaBits - 7 && std::fabs(units - nearest) < 0.45) return q + low;
    return std::pow(a, 3.0);
}

// Chosen once: the fused multiply-add gives the exact products in one step each.
const bool processorHasFma = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("fma") != 0;
}();

}  // namespace

[[gnu::target("fma")]] double cubeWithFma(double a) { return roundedCube<true>(a); }
double cubeBySplitting(double a) { return roundedCube<false>(a); }

bool cubeCanUseFma() { return processorHasFma; }

double cube(double a) { return processorHasFma ? cubeWithFma(a) : cubeBySplitting(a); }

}  // namespace plotaris::detail
