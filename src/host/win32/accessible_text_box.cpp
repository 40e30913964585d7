#include "host/win32/accessible_text_box.h"

#include "host/win32/win32_text_box.h"

namespace zelvane::win32 {

HRESULT AccessibleTextBox::get_accName(VARIANT child, BSTR* name) {
  const std::optional<LONG> id = ChildId(child);
  if (!id || *id != CHILDID_SELF) return standard_->get_accName(child, name);
  return GuardedAccessible([&] {
    Win32TextBox* box = *box_;
    return ReturnText(box ? box->AccessibleName() : std::u16string(), name);
  });
}

// Everything else is the system's.

HRESULT AccessibleTextBox::get_accParent(IDispatch** parent) { return standard_->get_accParent(parent); }
HRESULT AccessibleTextBox::get_accChildCount(LONG* count) { return standard_->get_accChildCount(count); }
HRESULT AccessibleTextBox::get_accChild(VARIANT child, IDispatch** object) {
  return standard_->get_accChild(child, object);
}
HRESULT AccessibleTextBox::get_accValue(VARIANT child, BSTR* value) { return standard_->get_accValue(child, value); }
HRESULT AccessibleTextBox::get_accDescription(VARIANT child, BSTR* description) {
  return standard_->get_accDescription(child, description);
}
HRESULT AccessibleTextBox::get_accRole(VARIANT child, VARIANT* role) { return standard_->get_accRole(child, role); }
HRESULT AccessibleTextBox::get_accState(VARIANT child, VARIANT* state) { return standard_->get_accState(child, state); }
HRESULT AccessibleTextBox::get_accHelp(VARIANT child, BSTR* help) { return standard_->get_accHelp(child, help); }
HRESULT AccessibleTextBox::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
  return standard_->get_accHelpTopic(file, child, topic);
}
HRESULT AccessibleTextBox::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  return standard_->get_accKeyboardShortcut(child, shortcut);
}
HRESULT AccessibleTextBox::get_accFocus(VARIANT* focus) { return standard_->get_accFocus(focus); }
HRESULT AccessibleTextBox::get_accSelection(VARIANT* selection) { return standard_->get_accSelection(selection); }
HRESULT AccessibleTextBox::get_accDefaultAction(VARIANT child, BSTR* action) {
  return standard_->get_accDefaultAction(child, action);
}
HRESULT AccessibleTextBox::accSelect(LONG flags, VARIANT child) { return standard_->accSelect(flags, child); }
HRESULT AccessibleTextBox::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
  return standard_->accLocation(left, top, width, height, child);
}
HRESULT AccessibleTextBox::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  return standard_->accNavigate(direction, start, end);
}
HRESULT AccessibleTextBox::accHitTest(LONG x, LONG y, VARIANT* child) { return standard_->accHitTest(x, y, child); }
HRESULT AccessibleTextBox::accDoDefaultAction(VARIANT child) { return standard_->accDoDefaultAction(child); }
HRESULT AccessibleTextBox::put_accName(VARIANT child, BSTR name) { return standard_->put_accName(child, name); }
HRESULT AccessibleTextBox::put_accValue(VARIANT child, BSTR value) { return standard_->put_accValue(child, value); }

}  // namespace zelvane::win32
