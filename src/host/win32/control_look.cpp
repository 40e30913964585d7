#include "host/win32/control_look.h"

#include "core/vb_errors.h"

namespace zelvane::win32 {
namespace {

constexpr OLE_COLOR kSystemWindow = 0x80000000u | COLOR_WINDOW;
constexpr OLE_COLOR kSystemWindowText = 0x80000000u | COLOR_WINDOWTEXT;

}  // namespace

ControlLook::ControlLook(HWND hwnd) : font_(MakeDefaultFont()), colors_(kSystemWindow, kSystemWindowText) {
  ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.hfont()), FALSE);
}

void ControlLook::SetFont(HWND hwnd, const host::FontPtr& font) {
  if (!font) return;
  auto win32Font = std::dynamic_pointer_cast<Win32Font>(font);
  if (!win32Font) core::RaiseVbError(core::VbError::TypeMismatch);
  FontHandleLease lease(std::move(win32Font));
  ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(lease.hfont()), TRUE);
  // The control has let go of the old GDI font only now.
  font_ = std::move(lease);
}

void ControlLook::SetBackColor(HWND hwnd, host::OleColor color) {
  colors_.SetBackColor(color);
  ::InvalidateRect(hwnd, nullptr, TRUE);
}

void ControlLook::SetForeColor(HWND hwnd, host::OleColor color) {
  colors_.SetForeColor(color);
  ::InvalidateRect(hwnd, nullptr, TRUE);
}

}  // namespace zelvane::win32
