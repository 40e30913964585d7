#pragma once
#include <cmath>
#include <concepts>

namespace zelvane::core {

/// Rounds to the nearest whole number, halves to even, as VB's CLng and CInt do.
/// Worked out by hand rather than with nearbyint: a host may have changed the
/// floating-point rounding mode, and the result must not follow it.
template <std::floating_point T>
T BankersRound(T value) {
  const T below = std::floor(value);
  const T rest = value - below;
  if (rest != T{0.5}) return rest < T{0.5} ? below : below + T{1};
  return std::fmod(below, T{2}) == T{0} ? below : below + T{1};
}

}  // namespace zelvane::core
