#pragma once
#include "host/win32/windows_api.h"

namespace zelvane::win32 {

/// A window's device context from GetDC (its client area) or GetWindowDC (all of
/// it, frame included), given back with ReleaseDC.
class WindowDc {
 public:
  enum class Area { Client, Whole };
  explicit WindowDc(HWND hwnd, Area area = Area::Client) noexcept
      : hwnd_(hwnd), dc_(area == Area::Whole ? ::GetWindowDC(hwnd) : ::GetDC(hwnd)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(hwnd_, dc_);
  }
  HDC get() const noexcept { return dc_; }
  explicit operator bool() const noexcept { return dc_ != nullptr; }

 private:
  HWND hwnd_;
  HDC dc_;
};

}  // namespace zelvane::win32
