#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

namespace zelvane::demo {

/// Pixels of a screen area, top row first, 32-bit BGRA.
struct ScreenImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bgra;
};

/// Copies an area of the screen as it shows now, with every window over it: the
/// drop-down list is a top-level window of its own, so a capture of the form's
/// window alone would miss it.
ScreenImage CaptureScreen(const RECT& area);

/// The smallest rectangle that holds both.
RECT Union(const RECT& a, const RECT& b);

}  // namespace zelvane::demo
