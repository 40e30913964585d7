#include "host/win32/parking_window.h"

#include "host/win32/module_instance.h"
#include "host/win32/win32_error.h"

namespace zelvane::win32 {

unique_hwnd MakeParkingWindow() {
  unique_hwnd window(
      ::CreateWindowExW(0, L"STATIC", L"", WS_CLIPCHILDREN, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ThisModule(), nullptr));
  if (!window) RaiseLastError(u"CreateWindowExW(parking)");
  return window;
}

}  // namespace zelvane::win32
