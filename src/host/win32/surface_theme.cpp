#include "host/win32/surface_theme.h"

#include <olectl.h>

#include <string>

#include "host/win32/window_dc.h"

namespace zelvane::win32 {

bool SurfaceTheme::Open(HWND hwnd, std::u16string_view classList) {
  const std::wstring name(classList.begin(), classList.end());
  theme_.reset(::OpenThemeData(hwnd, name.c_str()));
  return static_cast<bool>(theme_);
}

bool SurfaceTheme::Defines(int part) const { return theme_ && ::IsThemePartDefined(theme_.get(), part, 0); }

void SurfaceTheme::Draw(HDC dc, int part, int state, const RECT& rect, host::OleColor backdrop) const {
  if (!theme_ || !dc) return;
  COLORREF color = 0;
  if (::IsThemeBackgroundPartiallyTransparent(theme_.get(), part, state) &&
      SUCCEEDED(::OleTranslateColor(backdrop, nullptr, &color))) {
    unique_hbrush brush(::CreateSolidBrush(color));
    if (brush) ::FillRect(dc, &rect, brush.get());
  }
  ::DrawThemeBackground(theme_.get(), dc, part, state, &rect, nullptr);
}

bool SurfaceTheme::SetBorder(int part, int state) noexcept {
  if (part == borderPart_ && state == borderState_) return false;
  borderPart_ = part;
  borderState_ = state;
  return true;
}

bool SurfaceTheme::PaintFrame(HWND hwnd) const {
  if (!theme_ || borderPart_ == 0) return false;
  WindowDc dc(hwnd, WindowDc::Area::Whole);
  if (!dc) return true;
  RECT outer{};
  ::GetWindowRect(hwnd, &outer);
  RECT client{};
  ::GetClientRect(hwnd, &client);
  ::MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  ::OffsetRect(&client, -outer.left, -outer.top);
  ::OffsetRect(&outer, -outer.left, -outer.top);
  ::ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
  ::DrawThemeBackground(theme_.get(), dc.get(), borderPart_, borderState_, &outer, nullptr);
  return true;
}

}  // namespace zelvane::win32
