#include "host/win32/win32_screen.h"

namespace zelvane::win32 {
namespace {

constexpr float kTwipsPerInch = 1440.0f;

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);

// GetDpiForWindow came with Windows 10 (1607): looked up, not linked, so the
// control still loads on older systems.
UINT WindowDpi(HWND window) {
  HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
  if (!window || !user32) return 0;
  auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFn>(
      reinterpret_cast<void (*)()>(::GetProcAddress(user32, "GetDpiForWindow")));
  return getDpiForWindow ? getDpiForWindow(window) : 0;
}

int ScreenDpi(int axis) {
  HDC screen = ::GetDC(nullptr);
  const int dpi = screen ? ::GetDeviceCaps(screen, axis) : 0;
  if (screen) ::ReleaseDC(nullptr, screen);
  return dpi;
}

}  // namespace

float Win32Screen::TwipsPerPixel(int axis) const {
  auto dpi = static_cast<int>(WindowDpi(window_));
  if (dpi <= 0) dpi = ScreenDpi(axis);
  // Without a screen to ask, the classic 96 dpi.
  if (dpi <= 0) dpi = 96;
  return kTwipsPerInch / static_cast<float>(dpi);
}

float Win32Screen::TwipsPerPixelX() const { return TwipsPerPixel(LOGPIXELSX); }
float Win32Screen::TwipsPerPixelY() const { return TwipsPerPixel(LOGPIXELSY); }

}  // namespace zelvane::win32
