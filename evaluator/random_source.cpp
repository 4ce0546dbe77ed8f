#include "evaluator/random_source.h"

#include <chrono>
#include <cstring>

namespace plotaris::detail {

namespace {

std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// 24 random bits make a value k / 2^24, which a single holds exactly.
float fromBits(std::uint64_t z) { return static_cast<float>(z >> 40) * (1.0f / 16777216.0f); }

}  // namespace

float RandomSource::next() {
    state_ += 0x9E3779B97F4A7C15ull;
    last_ = fromBits(mix(state_));
    return last_;
}

float RandomSource::seeded(double x) {
    const float f = static_cast<float>(x);
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    state_ = mix(bits);
    last_ = fromBits(mix(state_ + 0x9E3779B97F4A7C15ull));
    return last_;
}

void RandomSource::reseedFromClock() {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    state_ = mix(state_ ^ static_cast<std::uint64_t>(ticks));
}

RandomSource& randomSource() {
    static RandomSource source;
    return source;
}

}  // namespace plotaris::detail
