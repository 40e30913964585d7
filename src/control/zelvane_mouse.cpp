#include "control/zelvane.h"
#include "host/control_hold.h"

namespace zelvane::control {

// The surface's mouse events come only from the uncovered area: the button strip
// and, in the flat layout, the band above the text box. Each handler holds the
// control: the host may close it inside the event.

void Zelvane::UserControl_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  const host::ControlHold hold(site_.owner);
  if (!RaiseMouse(&host::HostEvents::MouseDown, Button, Shift, X, Y)) return;
  buttonPressed_ = true;
  UserControl_Paint();
}

void Zelvane::UserControl_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  const host::ControlHold hold(site_.owner);
  if (!RaiseMouse(&host::HostEvents::MouseUp, Button, Shift, X, Y)) return;
  buttonPressed_ = false;
  UserControl_Paint();
}

void Zelvane::UserControl_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y) {
  const host::ControlHold hold(site_.owner);
  if (!RaiseMouse(&host::HostEvents::MouseMove, Button, Shift, X, Y)) return;
  // Moving back into the strip with the button held does not push it again.
  if (!InButtonStrip(X, Y)) {
    buttonPressed_ = false;
    UserControl_Paint();
  }
  TrackHover();
  LeaveListRule();
}

// The button never toggles the list closed: a press while it is dropped down
// closes it first, and the click builds and opens it again.
void Zelvane::UserControl_Click() {
  const host::ControlHold hold(site_.owner);
  if (Raise(&host::HostEvents::ButtonClick)) FilterOrShowAll();
}

}  // namespace zelvane::control
