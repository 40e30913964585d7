#include "control/zelvane.h"

namespace zelvane::control {

void Zelvane::txt_Change() {
  ++textChanges_;
  Raise(&host::HostEvents::Change);
  SetText(site_.txt.Text());
  site_.tmr.SetEnabled(false);
  site_.tmr.SetEnabled(true);
}

void Zelvane::txt_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) {
  if (sink_ != nullptr) sink_->KeyDown(KeyCode, Shift);
  HandleKey(KeyCode);
}

void Zelvane::txt_KeyPress(std::int16_t& KeyAscii) {
  if (sink_ != nullptr) sink_->KeyPress(KeyAscii);
  // The box never receives the carriage return.
  if (KeyAscii == 13) KeyAscii = 0;
}

void Zelvane::txt_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) {
  if (sink_ != nullptr) sink_->KeyUp(KeyCode, Shift);
}

void Zelvane::txt_Click() { Raise(&host::HostEvents::Click); }

void Zelvane::txt_DblClick() { Raise(&host::HostEvents::DblClick); }

void Zelvane::txt_MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  RaiseMouse(&host::HostEvents::MouseDown, Button, Shift, X, Y);
}

void Zelvane::txt_MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  RaiseMouse(&host::HostEvents::MouseUp, Button, Shift, X, Y);
}

void Zelvane::txt_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) {
  RaiseMouse(&host::HostEvents::MouseMove, Button, Shift, X, Y);
  LeaveListRule();
}

}  // namespace zelvane::control
