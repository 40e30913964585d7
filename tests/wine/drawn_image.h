#pragma once
// Before <windows.h>, as the host layer's headers must be.
#include "host/win32/windows_api.h"

#include <functional>

#include "screen_capture.h"

namespace zelvane::win32 {

/// A width x height picture drawn by `draw` into a memory bitmap, as BGRA rows.
demo::ScreenImage Drawn(int width, int height, const std::function<void(HDC, RECT&)>& draw);

/// Pixels whose colour differs (alpha aside); -1 for pictures of different sizes.
int DifferingPixels(const demo::ScreenImage& a, const demo::ScreenImage& b);

}  // namespace zelvane::win32
