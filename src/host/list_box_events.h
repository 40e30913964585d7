#pragma once
#include <cstdint>

namespace zelvane::host {

/// Events of the constituent list box: mouse events, coordinates in list-box
/// pixels, and word that the screen may have changed.
class ListBoxEvents {
 public:
  virtual ~ListBoxEvents() = default;
  virtual void lst_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) = 0;
  virtual void lst_MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) = 0;
  /// The monitors, their resolution or their work areas may have changed
  /// (WM_DISPLAYCHANGE, WM_SETTINGCHANGE), wherever the list box is.
  virtual void lst_ScreenChanged() = 0;
};

}  // namespace zelvane::host
