#pragma once

namespace zelvane::host {

/// VB's Rnd: the next pseudo-random number in [0, 1).
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual float Rnd() = 0;
};

}  // namespace zelvane::host
