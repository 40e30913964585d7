#include "drawn_image.h"

#include <cstdint>

#include "host/win32/unique_handle.h"
#include "host/win32/window_dc.h"

namespace zelvane::win32 {

demo::ScreenImage Drawn(int width, int height, const std::function<void(HDC, RECT&)>& draw) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  WindowDc screen(nullptr);
  unique_hdc memory(::CreateCompatibleDC(screen.get()));
  unique_hbitmap bitmap(::CreateDIBSection(memory.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  HGDIOBJ old = ::SelectObject(memory.get(), bitmap.get());
  RECT rect{0, 0, width, height};
  draw(memory.get(), rect);
  ::GdiFlush();
  demo::ScreenImage image{width, height, {}};
  const auto* bytes = static_cast<const std::uint8_t*>(bits);
  image.bgra.assign(bytes, bytes + static_cast<std::size_t>(width) * height * 4);
  ::SelectObject(memory.get(), old);
  return image;
}

int DifferingPixels(const demo::ScreenImage& a, const demo::ScreenImage& b) {
  if (a.width != b.width || a.height != b.height) return -1;
  int differing = 0;
  for (std::size_t i = 0; i < a.bgra.size(); i += 4)
    if (a.bgra[i] != b.bgra[i] || a.bgra[i + 1] != b.bgra[i + 1] || a.bgra[i + 2] != b.bgra[i + 2]) ++differing;
  return differing;
}

}  // namespace zelvane::win32
