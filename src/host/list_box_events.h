#pragma once
#include <cstdint>

namespace zelvane::host {

/// Mouse events of the constituent list box, coordinates in list-box pixels.
class ListBoxEvents {
 public:
  virtual ~ListBoxEvents() = default;
  virtual void lst_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) = 0;
  virtual void lst_MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) = 0;
};

}  // namespace zelvane::host
