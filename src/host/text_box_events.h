#pragma once
#include <cstdint>
#include <string>

namespace zelvane::host {

/// Events of the constituent text box. Key and button arguments are the box's own
/// (by reference): what the handler leaves in them is what the box then uses.
/// Mouse coordinates are pixels from the box's top-left corner.
class TextBoxEvents {
 public:
  virtual ~TextBoxEvents() = default;
  virtual void txt_Change() = 0;
  virtual void txt_KeyDown(std::int16_t& KeyCode, std::int16_t& Shift) = 0;
  virtual void txt_KeyPress(std::int16_t& KeyAscii) = 0;
  virtual void txt_KeyUp(std::int16_t& KeyCode, std::int16_t& Shift) = 0;
  virtual void txt_Click() = 0;
  virtual void txt_DblClick() = 0;
  virtual void txt_MouseDown(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) = 0;
  virtual void txt_MouseMove(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) = 0;
  virtual void txt_MouseUp(std::int16_t& Button, std::int16_t& Shift, float& X, float& Y) = 0;
  virtual void txt_GotFocus() {}
  virtual void txt_LostFocus() {}
  /// The mouse has left the box (WM_MOUSELEAVE).
  virtual void txt_MouseLeave() {}
  /// Whether the key is the control's now, so a dialog-style host must leave it to
  /// the box (Escape while the drop-down it closes is open).
  virtual bool txt_ClaimsKey(std::int16_t /*KeyCode*/) const { return false; }
  /// The name screen readers announce for the box; empty for none.
  virtual std::u16string txt_AccessibleName() const { return {}; }
};

}  // namespace zelvane::host
