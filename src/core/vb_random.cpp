#include "core/vb_random.h"

namespace zelvane::core {

float VbRandom::Next() {
  state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
  return static_cast<float>(state_) / 16777216.0f;
}

}  // namespace zelvane::core
