#include "host/win32/accessible_control.h"

#include "host/win32/win32_surface.h"

namespace zelvane::win32 {
namespace {

VARIANT Self() {
  VARIANT self;
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  return self;
}

}  // namespace

std::optional<host::AccessibleButton> AccessibleControl::Button() const {
  Win32Surface* surface = *surface_;
  return surface ? surface->AccessibleButton() : std::nullopt;
}

std::optional<LONG> AccessibleControl::Known(const VARIANT& child) const {
  const std::optional<LONG> id = ChildId(child);
  if (!id) return std::nullopt;
  if (*id == CHILDID_SELF || *id == kTextBoxChild || (*id == kButtonChild && Button())) return id;
  return std::nullopt;
}

com_ptr<IAccessible> AccessibleControl::TextBox(LONG objectId) const {
  com_ptr<IAccessible> object;
  ::AccessibleObjectFromWindow(textBox_, static_cast<DWORD>(objectId), __uuidof(IAccessible), object.put_void());
  return object;
}

// A child that is an object of its own is handed out as that object.
HRESULT AccessibleControl::DetachTextBox(IDispatch** out) const {
  com_ptr<IAccessible> window = TextBox(OBJID_WINDOW);
  if (!window) return E_FAIL;
  *out = window.detach();
  return S_OK;
}

HRESULT AccessibleControl::ReturnTextBox(VARIANT* out) const {
  const HRESULT result = DetachTextBox(&out->pdispVal);
  if (SUCCEEDED(result)) out->vt = VT_DISPATCH;
  return result;
}

HRESULT AccessibleControl::ReturnChild(VARIANT* out, LONG id) const {
  if (id == kTextBoxChild) return ReturnTextBox(out);
  SetChildId(out, id);
  return S_OK;
}

RECT AccessibleControl::ButtonOnScreen(const host::AccessibleButton& button) const {
  RECT rect{button.location.left, button.location.top, button.location.right, button.location.bottom};
  ::MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

HRESULT AccessibleControl::get_accChildCount(LONG* count) {
  if (!count) return E_POINTER;
  *count = Button() ? 2 : 1;
  return S_OK;
}

HRESULT AccessibleControl::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  const std::optional<LONG> id = Known(child);
  if (!id || *id == CHILDID_SELF) return E_INVALIDARG;
  if (*id == kButtonChild) return S_FALSE;  // an element: the control answers for it
  return DetachTextBox(object);
}

// The control carries its text box's name, as a combo box carries its label's.
HRESULT AccessibleControl::get_accName(VARIANT child, BSTR* name) {
  return GuardedAccessible([&] {
    if (!name) return E_POINTER;
    *name = nullptr;
    const std::optional<LONG> id = Known(child);
    if (!id) return E_INVALIDARG;
    if (*id == kButtonChild) return ReturnText(Button()->name, name);
    com_ptr<IAccessible> text = TextBox(OBJID_CLIENT);
    return text ? text->get_accName(Self(), name) : S_FALSE;
  });
}

HRESULT AccessibleControl::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  ::VariantInit(role);
  const std::optional<LONG> id = Known(child);
  if (!id) return E_INVALIDARG;
  if (*id == kTextBoxChild) {
    com_ptr<IAccessible> text = TextBox(OBJID_CLIENT);
    return text ? text->get_accRole(Self(), role) : E_FAIL;
  }
  SetChildId(role, *id == kButtonChild ? ROLE_SYSTEM_PUSHBUTTON : ROLE_SYSTEM_CLIENT);
  return S_OK;
}

HRESULT AccessibleControl::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  ::VariantInit(state);
  const std::optional<LONG> id = Known(child);
  if (!id) return E_INVALIDARG;
  if (*id == kTextBoxChild) {
    com_ptr<IAccessible> text = TextBox(OBJID_CLIENT);
    return text ? text->get_accState(Self(), state) : E_FAIL;
  }
  LONG flags = ::IsWindowVisible(hwnd_) ? 0 : STATE_SYSTEM_INVISIBLE;
  if (!::IsWindowEnabled(hwnd_)) flags |= STATE_SYSTEM_UNAVAILABLE;
  SetChildId(state, flags);
  return S_OK;
}

HRESULT AccessibleControl::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  return GuardedAccessible([&] {
    if (!shortcut) return E_POINTER;
    *shortcut = nullptr;
    const std::optional<LONG> id = Known(child);
    if (!id) return E_INVALIDARG;
    return *id == kButtonChild ? ReturnText(Button()->keyboardShortcut, shortcut) : S_FALSE;
  });
}

HRESULT AccessibleControl::get_accDefaultAction(VARIANT child, BSTR* action) {
  return GuardedAccessible([&] {
    if (!action) return E_POINTER;
    *action = nullptr;
    const std::optional<LONG> id = Known(child);
    if (!id) return E_INVALIDARG;
    return *id == kButtonChild ? ReturnText(Button()->defaultAction, action) : S_FALSE;
  });
}

HRESULT AccessibleControl::get_accFocus(VARIANT* focus) {
  if (!focus) return E_POINTER;
  ::VariantInit(focus);
  return ::GetFocus() == textBox_ ? ReturnTextBox(focus) : S_FALSE;
}

HRESULT AccessibleControl::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  *left = *top = *width = *height = 0;
  const std::optional<LONG> id = Known(child);
  if (!id) return E_INVALIDARG;
  RECT screen{};
  if (*id == kButtonChild) {
    screen = ButtonOnScreen(*Button());
  } else if (*id == kTextBoxChild) {
    ::GetWindowRect(textBox_, &screen);
  } else {
    ::GetClientRect(hwnd_, &screen);
    ::MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&screen), 2);
  }
  return ReturnLocation(screen, left, top, width, height);
}

HRESULT AccessibleControl::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  ::VariantInit(end);
  const std::optional<LONG> from = Known(start);
  if (!from) return E_INVALIDARG;
  LONG to = CHILDID_SELF;
  const HRESULT found = NavigateChildren(direction, *from, Button() ? kButtonChild : kTextBoxChild, to);
  if (found != S_OK) return found;
  return ReturnChild(end, to);
}

HRESULT AccessibleControl::accHitTest(LONG x, LONG y, VARIANT* child) {
  if (!child) return E_POINTER;
  ::VariantInit(child);
  const POINT point{x, y};
  RECT area{};
  if (const std::optional<host::AccessibleButton> button = Button()) {
    area = ButtonOnScreen(*button);
    if (::PtInRect(&area, point)) return ReturnChild(child, kButtonChild);
  }
  ::GetWindowRect(textBox_, &area);
  if (::PtInRect(&area, point)) return ReturnChild(child, kTextBoxChild);
  ::GetWindowRect(hwnd_, &area);
  if (!::PtInRect(&area, point)) return S_FALSE;
  SetChildId(child, CHILDID_SELF);
  return S_OK;
}

// Posted: the click raises the host's events, which a reader should not wait for.
HRESULT AccessibleControl::accDoDefaultAction(VARIANT child) {
  const std::optional<LONG> id = Known(child);
  if (!id) return E_INVALIDARG;
  if (*id != kButtonChild) return DISP_E_MEMBERNOTFOUND;
  Win32Surface* surface = *surface_;
  if (!surface) return E_FAIL;
  surface->PressButtonLater();
  return S_OK;
}

}  // namespace zelvane::win32
