#pragma once
#include <cstdint>

#include "host/win_types.h"

namespace zelvane::sim {

/// A mouse message's values as VB's mouse events carry them (by reference, so
/// each event gets its own copies).
struct VbMouseArgs {
  VbMouseArgs(host::Point client, int buttonValue, int shiftValue)
      : button(static_cast<std::int16_t>(buttonValue)),
        shift(static_cast<std::int16_t>(shiftValue)),
        x(static_cast<float>(client.x)),
        y(static_cast<float>(client.y)) {}

  std::int16_t button;
  std::int16_t shift;
  float x;
  float y;
};

}  // namespace zelvane::sim
