#pragma once
#include <cstdint>

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
};

}  // namespace zelvane::host
