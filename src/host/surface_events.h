#pragma once
#include <cstdint>
#include <optional>

#include "host/accessible_button.h"

namespace zelvane::host {

/// Notifications of the control surface. Mouse events arrive only for the parts
/// the constituent text box does not cover; coordinates are surface pixels.
class SurfaceEvents {
 public:
  virtual ~SurfaceEvents() = default;
  virtual void UserControl_Resize() = 0;
  virtual void UserControl_Paint() = 0;
  virtual void UserControl_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) = 0;
  virtual void UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) = 0;
  virtual void UserControl_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) = 0;
  virtual void UserControl_Click() = 0;
  /// The drop-down button as screen readers see it; none while it is not shown.
  virtual std::optional<AccessibleButton> UserControl_AccessibleButton() const { return std::nullopt; }
  /// A screen reader pressed the drop-down button.
  virtual void UserControl_ButtonDefaultAction() {}
  /// The mouse has left the surface's uncovered area (WM_MOUSELEAVE).
  virtual void UserControl_MouseLeave() = 0;
  /// The visual-style theme changed or was switched on or off (WM_THEMECHANGED).
  virtual void UserControl_ThemeChanged() = 0;
};

}  // namespace zelvane::host
