#include "control/zelvane.h"
#include "host/control_hold.h"

namespace zelvane::control {

// Each handler holds the control while it runs: the host may close and let go of
// it inside the event, and the steps after the event then do nothing.

void Zelvane::txt_Change() {
  const host::ControlHold hold(site_.owner);
  ++textChanges_;
  if (!appending_) {
    appendDue_ = ChangeAddedAtEnd(storedText_);
    appendedText_.reset();
  }
  if (!Raise(&host::HostEvents::Change)) return;
  SetText(site_.txt.Text());
  // The Text notice reached the host too; the control's own completion is no edit
  // to filter for.
  if (Closed() || appending_) return;
  site_.tmr.SetEnabled(false);
  site_.tmr.SetEnabled(true);
}

void Zelvane::txt_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
  const host::ControlHold hold(site_.owner);
  if (!Raise(&host::HostEvents::KeyDown, KeyCode, Shift)) return;
  RememberTextBeforeKey();
  HandleKey(KeyCode, Shift);
}

void Zelvane::txt_KeyPress(std::int16_t& KeyAscii) {
  const host::ControlHold hold(site_.owner);
  // The box never receives the carriage return.
  if (Raise(&host::HostEvents::KeyPress, KeyAscii) && KeyAscii == 13) KeyAscii = 0;
}

void Zelvane::txt_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
  const host::ControlHold hold(site_.owner);
  textBeforeKey_.reset();
  Raise(&host::HostEvents::KeyUp, KeyCode, Shift);
}

void Zelvane::txt_Click() {
  const host::ControlHold hold(site_.owner);
  Raise(&host::HostEvents::Click);
}

void Zelvane::txt_DblClick() {
  const host::ControlHold hold(site_.owner);
  Raise(&host::HostEvents::DblClick);
}

void Zelvane::txt_MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  const host::ControlHold hold(site_.owner);
  RaiseMouse(&host::HostEvents::MouseDown, Button, Shift, X, Y);
}

void Zelvane::txt_MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  const host::ControlHold hold(site_.owner);
  RaiseMouse(&host::HostEvents::MouseUp, Button, Shift, X, Y);
}

void Zelvane::txt_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  const host::ControlHold hold(site_.owner);
  if (!RaiseMouse(&host::HostEvents::MouseMove, Button, Shift, X, Y)) return;
  TrackHover();
  LeaveListRule();
}

}  // namespace zelvane::control
