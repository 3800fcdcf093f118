// Number helpers shared by every unit.
#pragma once
#include <cmath>
#include <cstdint>

namespace num {

// The runtime's Round: to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4).
inline int64_t round(double x) { return static_cast<int64_t>(std::nearbyint(x)); }

template <class T>
constexpr T clamp(T v, T lo, T hi) { return v < lo ? lo : (v > hi ? hi : v); }

}  // namespace num
