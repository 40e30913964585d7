#include "host/win32/surface_window_class.h"

#include "host/win32/module_instance.h"
#include "host/win32/win32_error.h"

namespace zelvane::win32 {

void EnsureSurfaceClass(WNDPROC windowProc) {
  const HINSTANCE module = ThisModule();
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (::GetClassInfoExW(module, kSurfaceClassName, &existing)) return;

  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  // The drop-down button sits at the right edge: any resize must repaint it whole.
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = windowProc;
  wc.hInstance = module;
  wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kSurfaceClassName;
  if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    RaiseLastError(u"RegisterClassExW");
}

void UnregisterSurfaceClass() noexcept { ::UnregisterClassW(kSurfaceClassName, ThisModule()); }

}  // namespace zelvane::win32
