#pragma once
#include "host/win32/accessible_object.h"

namespace zelvane::win32 {

/// The drop-down list as screen readers see it: a list whose children are its
/// rows (child id = row + 1), each named by its text; the highlighted row is
/// selected and focused, though the keyboard focus stays in the text box. Reads
/// the LISTBOX at every call, so it never disagrees with what is shown.
class AccessibleDropDownList final : public AccessibleObject {
 public:
  explicit AccessibleDropDownList(HWND listBox) : AccessibleObject(listBox) {}

  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;

 private:
  LONG RowCount() const;
  /// The highlighted row's child id, 0 for none.
  LONG HighlightedChild() const;
  /// The child id a VARIANT names when it is the list or one of its rows.
  std::optional<LONG> Known(const VARIANT& child) const;
  /// The row's rectangle in screen coordinates.
  RECT RowOnScreen(LONG childId) const;
  HRESULT ReturnHighlighted(VARIANT* out) const;
};

}  // namespace zelvane::win32
