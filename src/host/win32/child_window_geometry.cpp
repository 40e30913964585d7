#include "host/win32/child_window_geometry.h"

#include <algorithm>

namespace zelvane::win32 {

RECT RectInParent(HWND hwnd) {
  RECT rect{};
  ::GetWindowRect(hwnd, &rect);
  ::MapWindowPoints(nullptr, ::GetAncestor(hwnd, GA_PARENT), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void PlaceInParent(HWND hwnd, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
  ::MoveWindow(hwnd, left, top, std::max(width, 0), std::max(height, 0), TRUE);
}

}  // namespace zelvane::win32
