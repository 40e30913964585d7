#pragma once
#include <cstdint>
#include <string>

namespace zelvane::host {

/// The control's events as the host receives them (the __Zelvane interface).
/// Raised synchronously; arguments are by reference so a handler can change them.
class HostEvents {
 public:
  virtual ~HostEvents() = default;
  virtual void DblClick() = 0;
  virtual void Change() = 0;
  virtual void ListClick() = 0;
  virtual void DropDownList() = 0;
  virtual void CloseUpList() = 0;
  virtual void Click() = 0;
  virtual void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) = 0;
  virtual void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) = 0;
  virtual void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) = 0;
  virtual void KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) = 0;
  virtual void KeyPress(std::int16_t& KeyAscii) = 0;
  virtual void KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) = 0;
  virtual void ButtonClick() = 0;
  /// A row is about to be removed with Shift+Delete; Item is a copy of its item,
  /// and a handler that sets Cancel keeps it.
  virtual void RemovingItem(std::u16string& Item, bool& Cancel) = 0;
};

}  // namespace zelvane::host
