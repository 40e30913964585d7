#pragma once
#include "host/win32/windows_api.h"

#include <cstdint>

namespace zelvane::win32 {

/// The window's rectangle in its parent's client coordinates (screen coordinates
/// for a window of the desktop).
RECT RectInParent(HWND hwnd);

/// Moves and sizes a child window within its parent, a negative size taken as 0.
void PlaceInParent(HWND hwnd, std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height);

}  // namespace zelvane::win32
