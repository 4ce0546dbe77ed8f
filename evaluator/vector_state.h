// The upper halves of the vector registers, which code built for plain x86-64 never uses.
//
// Code that uses the wider registers and returns without clearing them (Qt 6.4's hash of a string
// longer than 16 characters does) leaves them in use. From then on, every switch between plain
// code, such as ours, and code in the wider encoding, such as the C library's sine, exponential
// or power, costs a state transition: a sample then takes several times as long. Clearing them
// before a hot loop, or at the start of each evaluation, avoids it.
#pragma once

namespace plotaris {

// Clears the upper halves of the vector registers when the processor has them; does nothing on
// a processor without them, in code built for them (which pays no such cost), or on another
// architecture. Costs about a cycle; safe to call anywhere.
inline void clearUpperVectorState() {
#if (defined(__x86_64__) || defined(__i386__)) && !defined(__AVX__)
    // Checks that both the processor and the system allow the instruction.
    if (__builtin_cpu_supports("avx")) __asm__ volatile("vzeroupper");
#endif
}

}  // namespace plotaris
