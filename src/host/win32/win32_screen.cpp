#include "host/win32/win32_screen.h"

#include "host/win32/windows_api.h"

namespace zelvane::win32 {
namespace {

constexpr float kTwipsPerInch = 1440.0f;

float TwipsPerPixel(int axis) {
  HDC screen = ::GetDC(nullptr);
  int dpi = screen ? ::GetDeviceCaps(screen, axis) : 0;
  if (screen) ::ReleaseDC(nullptr, screen);
  // Without a screen to ask, the classic 96 dpi.
  if (dpi <= 0) dpi = 96;
  return kTwipsPerInch / static_cast<float>(dpi);
}

}  // namespace

float Win32Screen::TwipsPerPixelX() const { return TwipsPerPixel(LOGPIXELSX); }
float Win32Screen::TwipsPerPixelY() const { return TwipsPerPixel(LOGPIXELSY); }

}  // namespace zelvane::win32
