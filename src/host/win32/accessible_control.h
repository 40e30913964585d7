#pragma once
#include "host/win32/accessible_object.h"

#include <memory>

#include "host/accessible_button.h"
#include "host/win32/com_ptr.h"

namespace zelvane::win32 {

class Win32Surface;

/// The control's own window as screen readers see it: its children are the text
/// box (child 1, an object of its own) and, while it is shown, the drop-down button
/// (child 2), which is drawn rather than a window. The button is named after what
/// pressing it does; its default action is the control's.
class AccessibleControl final : public AccessibleObject {
 public:
  /// `surface` is cleared when the control's window goes.
  AccessibleControl(HWND window, HWND textBox, std::shared_ptr<Win32Surface*> surface)
      : AccessibleObject(window), textBox_(textBox), surface_(std::move(surface)) {}

  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;

  static constexpr LONG kTextBoxChild = 1;
  static constexpr LONG kButtonChild = 2;

 private:
  std::optional<host::AccessibleButton> Button() const;
  /// The child id a VARIANT names when it is the control, the text box or a shown button.
  std::optional<LONG> Known(const VARIANT& child) const;
  /// The text box's object, as its window gives it to readers.
  com_ptr<IAccessible> TextBox(LONG objectId) const;
  HRESULT DetachTextBox(IDispatch** out) const;
  HRESULT ReturnTextBox(VARIANT* out) const;
  HRESULT ReturnChild(VARIANT* out, LONG id) const;
  RECT ButtonOnScreen(const host::AccessibleButton& button) const;

  HWND textBox_;
  std::shared_ptr<Win32Surface*> surface_;
};

}  // namespace zelvane::win32
