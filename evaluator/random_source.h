// The random numbers of "rnd", "rnd(", "random(" and "rand(": single-precision values in [0, 1).
#pragma once

#include <cstdint>

namespace plotaris::detail {

class RandomSource {
public:
    // The next value of the sequence.
    float next();
    // The value drawn last (0 before the first draw).
    float last() const { return last_; }
    // The value that x itself determines as a seed: the same x always gives the same value.
    float seeded(double x);
    // Mixes the clock into the sequence, so that successive reseeds still give new values.
    void reseedFromClock();

private:
    std::uint64_t state_ = 0x2545F4914F6CDD1Dull;
    float last_ = 0.0f;
};

// The one source the whole program draws from.
RandomSource& randomSource();

}  // namespace plotaris::detail
