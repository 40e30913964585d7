#pragma once
#include "host/win32/windows_api.h"

#include <string_view>

#include "host/win32/unique_handle.h"

namespace zelvane::win32 {

/// The visual-style theme data a window draws with, and the theme part it wears as
/// its border. Without open theme data nothing is drawn and the window keeps its
/// classic frame.
class SurfaceTheme {
 public:
  /// Opens the class list's theme data for `hwnd` in place of any held; false,
  /// holding none, when visual styles are off for the window.
  bool Open(HWND hwnd, std::u16string_view classList);
  void Close() noexcept { theme_.reset(); }
  bool Defines(int part) const;
  /// Draws the part over `rect`; where it lets the background through, the OLE
  /// colour `backdrop` is painted first.
  void Draw(HDC dc, int part, int state, const RECT& rect, host::OleColor backdrop) const;
  /// Sets the border part (0 for the classic frame); true when it changed.
  bool SetBorder(int part, int state) noexcept;
  /// Draws the border part over the window's frame, leaving its client area alone;
  /// false when the frame is the classic one, for the window's default to draw.
  bool PaintFrame(HWND hwnd) const;

 private:
  unique_htheme theme_;
  int borderPart_ = 0;
  int borderState_ = 0;
};

}  // namespace zelvane::win32
