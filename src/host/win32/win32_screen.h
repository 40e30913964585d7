#pragma once
#include "host/screen.h"
#include "host/win32/windows_api.h"

namespace zelvane::win32 {

/// Twips per pixel from a logical resolution: 1440 / dots per inch. With a window,
/// the window's own resolution where the system can tell it (GetDpiForWindow, which
/// follows the monitor for a per-monitor aware host), else the screen's.
class Win32Screen final : public host::Screen {
 public:
  explicit Win32Screen(HWND window = nullptr) noexcept : window_(window) {}
  float TwipsPerPixelX() const override;
  float TwipsPerPixelY() const override;

 private:
  float TwipsPerPixel(int axis) const;

  HWND window_;
};

}  // namespace zelvane::win32
