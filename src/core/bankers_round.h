#pragma once
#include <cmath>

namespace zelvane::core {

/// Rounds to the nearest whole number, halves to even, as VB's CLng and CInt do.
inline double BankersRound(double value) { return std::nearbyint(value); }
inline float BankersRound(float value) { return std::nearbyintf(value); }

}  // namespace zelvane::core
