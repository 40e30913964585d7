#include "host/win32/window_styles.h"

namespace zelvane::win32 {
namespace {

void SetBits(HWND hwnd, int index, bool on, LONG_PTR bits) {
  if (bits == 0) return;
  const LONG_PTR old = ::GetWindowLongPtrW(hwnd, index);
  const LONG_PTR next = on ? (old | bits) : (old & ~bits);
  if (next != old) ::SetWindowLongPtrW(hwnd, index, next);
}

}  // namespace

void SetStyleBits(HWND hwnd, bool on, LONG_PTR styles, LONG_PTR exStyles) {
  SetBits(hwnd, GWL_STYLE, on, styles);
  SetBits(hwnd, GWL_EXSTYLE, on, exStyles);
  ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

}  // namespace zelvane::win32
