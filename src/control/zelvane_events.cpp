#include "control/zelvane.h"

namespace zelvane::control {

// Coordinates reach the host in its container's unit; what the handler writes
// into the converted copies goes nowhere.
bool Zelvane::RaiseMouse(MouseEvent event, std::int16_t& Button, std::int16_t& Shift, float X, float Y) {
  // A closed control may have lost its container, which the conversion asks.
  if (Closed()) return false;
  float hostX = ScaleToParentX(X);
  float hostY = ScaleToParentY(Y);
  return Raise(event, Button, Shift, hostX, hostY);
}

}  // namespace zelvane::control
