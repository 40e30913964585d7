#include "control/zelvane.h"

namespace zelvane::control {

void Zelvane::Raise(void (host::HostEvents::*event)()) {
  if (sink_ != nullptr) (sink_->*event)();
}

// Coordinates reach the host in its container's unit; what the handler writes
// into the converted copies goes nowhere.
void Zelvane::RaiseMouse(MouseEvent event, std::int16_t& Button, std::int16_t& Shift, float X, float Y) {
  float hostX = ScaleToParentX(X);
  float hostY = ScaleToParentY(Y);
  if (sink_ != nullptr) (sink_->*event)(Button, Shift, hostX, hostY);
}

}  // namespace zelvane::control
