#include "host/win32/window_subclass.h"

#include "host/win32/dispatch_guard.h"
#include "host/win32/win32_error.h"

#include <commctrl.h>

namespace zelvane::win32 {

WindowSubclass::WindowSubclass(HWND hwnd, SubclassHandler& handler) : hwnd_(hwnd), handler_(handler) {
  if (!::SetWindowSubclass(hwnd_, Proc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this))) {
    hwnd_ = nullptr;
    RaiseLastError(u"SetWindowSubclass");
  }
}

WindowSubclass::~WindowSubclass() { Remove(); }

void WindowSubclass::Remove() noexcept {
  if (hwnd_) ::RemoveWindowSubclass(hwnd_, Proc, reinterpret_cast<UINT_PTR>(this));
  hwnd_ = nullptr;
}

LRESULT CALLBACK WindowSubclass::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<WindowSubclass*>(data);
  if (msg == WM_NCDESTROY) {
    // The window takes its subclass chain with it; from here on it must not be
    // touched through this object.
    self->Remove();
    self->handler_.OnSubclassedWindowGone();
    return ::DefSubclassProc(hwnd, msg, wParam, lParam);
  }
  return GuardedDispatch([&] { return self->handler_.OnSubclassMessage(hwnd, msg, wParam, lParam); },
                         [&] { return ::DefSubclassProc(hwnd, msg, wParam, lParam); });
}

}  // namespace zelvane::win32
