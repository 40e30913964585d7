#pragma once
#include <cstdint>

namespace zelvane::core {

/// VB's Rnd generator: a 24-bit linear congruential sequence that starts from the
/// same seed in every process unless the program calls Randomize.
class VbRandom {
 public:
  /// Next number in [0, 1), single precision.
  float Next();

 private:
  std::uint32_t state_ = 0x50000;
};

}  // namespace zelvane::core
