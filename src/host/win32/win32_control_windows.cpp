#include "host/win32/win32_control_windows.h"

#include "host/win32/win32_error.h"

namespace zelvane::win32 {
Win32ControlWindows::Win32ControlWindows(HWND parent, host::ControlOwner& owner)
    : surface_(parent, owner),
      txt_(surface_.hwnd(), owner),
      lst_(std::make_shared<Win32ListBox>(surface_.hwnd(), owner)),
      tmr_(owner) {
  surface_.SetFocusChild(txt_.hwnd());
  txt_.SetOnRecreated([this] { surface_.SetFocusChild(txt_.hwnd()); });
}

Win32ControlWindows::~Win32ControlWindows() { lst_->DestroyWindow(); }

void Win32ControlWindows::SetContainerWindow(HWND parent) {
  if (!::SetParent(surface_.hwnd(), parent)) RaiseLastError(u"SetParent");
}

void Win32ControlWindows::SetPosition(const RECT& posInParent) {
  ::MoveWindow(surface_.hwnd(), posInParent.left, posInParent.top, posInParent.right - posInParent.left,
               posInParent.bottom - posInParent.top, TRUE);
}

void Win32ControlWindows::Show(bool visible) { ::ShowWindow(surface_.hwnd(), visible ? SW_SHOWNA : SW_HIDE); }

}  // namespace zelvane::win32
