// An evaluation leaves the upper halves of the vector registers clear, whatever code ran before
// it left them in use: otherwise every call of the C library's maths pays a state transition.
#include <gtest/gtest.h>

#include <cmath>

#include "evaluator/equation.h"
#include "evaluator/vector_state.h"

#if defined(__x86_64__)
#include <cpuid.h>

namespace plotaris {
namespace {

// Whether the processor says the upper halves of ymm0 to ymm15 are in use.
bool upperHalvesInUse() {
    unsigned low = 0, high = 0;
    __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(1));
    return (low & 4) != 0;
}

// What Qt's string hashing does: leaves something in an upper half.
void leaveUpperHalvesInUse() {
    __asm__ volatile("vpcmpeqb %%xmm8, %%xmm8, %%xmm8\n\tvinsertf128 $1, %%xmm8, %%ymm8, %%ymm8" ::: "xmm8");
}

// Reading the state in use takes a processor that reports it, and that reports it cleared.
bool stateCanBeRead() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__builtin_cpu_supports("avx") || !__get_cpuid_count(0xd, 1, &a, &b, &c, &d) || !(a & 4)) return false;
    leaveUpperHalvesInUse();
    if (!upperHalvesInUse()) return false;
    __asm__ volatile("vzeroupper");
    return !upperHalvesInUse();
}

TEST(VectorState, EvaluationClearsWhatEarlierCodeLeftInUse) {
    if (!stateCanBeRead()) GTEST_SKIP() << "this processor does not report the state of the vector registers";
    clsEquation eq;
    eq.Equation("sen(x)");
    eq.Var("x", 1.0);
    eq.Solve();  // tokenized once, before the state is made dirty

    eq.Var("x", 2.0);
    leaveUpperHalvesInUse();
    ASSERT_TRUE(upperHalvesInUse());
    eq.Solve();
    EXPECT_FALSE(upperHalvesInUse());
    EXPECT_EQ(eq.Solution(), std::sin(2.0));

    leaveUpperHalvesInUse();
    clearUpperVectorState();
    EXPECT_FALSE(upperHalvesInUse());
}

}  // namespace
}  // namespace plotaris
#endif
