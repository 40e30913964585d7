#pragma once
#include <windows.h>
#include <oaidl.h>

#include <cstdint>

#include "com/connection_point.h"
#include "host/host_events.h"

namespace zelvane::com {

/// Raises the control's events on every sink of the __Zelvane connection point,
/// one after the other, synchronously. Arguments go by reference (but for
/// RemovingItem's Item) and what the sinks leave in them is handed back to the control.
class SinkEvents final : public host::HostEvents {
 public:
  explicit SinkEvents(const ConnectionPoint& point) : point_(point) {}

  /// While frozen (IOleControl::FreezeEvents) events are dropped.
  void Freeze(bool freeze) { frozen_ += freeze ? 1 : -1; }

  void DblClick() override;
  void Change() override;
  void ListClick() override;
  void DropDownList() override;
  void CloseUpList() override;
  void Click() override;
  void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
  void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
  void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) override;
  void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) override;
  void KeyPress(std::int16_t& KeyAscii) override;
  void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) override;
  void ButtonClick() override;
  /// Item goes by value (a copy for the sinks); Cancel by reference.
  void RemovingItem(std::u16string& Item, bool& Cancel) override;

 private:
  /// `args` in the order the event declares them; DISPPARAMS wants them reversed.
  void Fire(DISPID id, VARIANTARG* args, unsigned count);
  void FireMouse(DISPID id, std::int16_t& Button, std::int16_t& Shift, float& X, float& Y);
  void FireKey(DISPID id, std::int16_t& KeyCode, std::int16_t& Shift);

  const ConnectionPoint& point_;
  int frozen_ = 0;
};

}  // namespace zelvane::com
