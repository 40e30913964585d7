#include "host/win32/window_font.h"

#include "core/vb_errors.h"

namespace zelvane::win32 {

void ApplyFont(HWND hwnd, const host::FontPtr& font, FontHandleLease& current) {
  if (!font) return;
  auto win32Font = std::dynamic_pointer_cast<Win32Font>(font);
  if (!win32Font) core::RaiseVbError(core::VbError::TypeMismatch);
  FontHandleLease lease(std::move(win32Font));
  ::SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(lease.hfont()), TRUE);
  // The control has let go of the old GDI font only now.
  current = std::move(lease);
}

}  // namespace zelvane::win32
