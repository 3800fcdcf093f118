// Number helpers shared by every unit.
#pragma once
#include <cmath>
#include <cstdint>

// For routines that count bits in their inner loop: built once with the processor's population
// count instruction and once without, and the loader picks by the processor it runs on (every
// x86-64 runs the second).
#if defined(__x86_64__) && defined(__ELF__)
#define KS_BITZAEHLEN __attribute__((target_clones("popcnt", "default")))
#else
#define KS_BITZAEHLEN
#endif

namespace num {

// The runtime's Round: to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4). Below 2^51
// adding and taking away 1.5 * 2^52 rounds the same way without a library call (the sum has no
// bits below the ones); larger values, infinities and NaN take the library's way.
inline int64_t round(double x) {
    constexpr double kEinsEins = 6755399441055744.0;  // 1.5 * 2^52
    if (std::fabs(x) < 2251799813685248.0) return static_cast<int64_t>((x + kEinsEins) - kEinsEins);
    return static_cast<int64_t>(std::nearbyint(x));
}

template <class T>
constexpr T clamp(T v, T lo, T hi) { return v < lo ? lo : (v > hi ? hi : v); }

}  // namespace num
