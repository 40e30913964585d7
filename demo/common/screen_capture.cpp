#include "screen_capture.h"

#include "com_error.h"

#include "host/win32/selected_object.h"
#include "host/win32/unique_handle.h"
#include "host/win32/window_dc.h"

namespace zelvane::demo {

using win32::SelectedObject;
using win32::WindowDc;
using win32::unique_hbitmap;
using win32::unique_hdc;

ScreenImage CaptureScreen(const RECT& area) {
  ScreenImage image{area.right - area.left, area.bottom - area.top, {}};
  if (image.width <= 0 || image.height <= 0) throw ComError(E_INVALIDARG, "capturing an empty area");
  WindowDc screen(nullptr);
  if (!screen) ThrowLastError("GetDC(screen)");
  unique_hdc memory(::CreateCompatibleDC(screen.get()));
  unique_hbitmap bitmap(::CreateCompatibleBitmap(screen.get(), image.width, image.height));
  if (!memory || !bitmap) ThrowLastError("CreateCompatibleBitmap");
  {
    SelectedObject selected(memory.get(), bitmap.get());
    if (!::BitBlt(memory.get(), 0, 0, image.width, image.height, screen.get(), area.left, area.top, SRCCOPY))
      ThrowLastError("BitBlt from the screen");
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // negative: top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  image.bgra.resize(static_cast<size_t>(image.width) * image.height * 4);
  if (!::GetDIBits(memory.get(), static_cast<HBITMAP>(bitmap.get()), 0, image.height, image.bgra.data(), &info,
                   DIB_RGB_COLORS))
    ThrowLastError("GetDIBits");
  return image;
}

RECT Union(const RECT& a, const RECT& b) {
  RECT out{};
  ::UnionRect(&out, &a, &b);
  return out;
}

}  // namespace zelvane::demo
