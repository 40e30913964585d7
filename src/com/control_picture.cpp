#include "com/control_picture.h"

#include <windows.h>
#include <olectl.h>

#include <algorithm>
#include <memory>

#include "host/win32/unique_handle.h"
#include "host/win32/win32_font.h"

namespace zelvane::com {
namespace {

COLORREF Colour(OLE_COLOR color) {
  COLORREF rgb = 0;
  return SUCCEEDED(OleTranslateColor(color, nullptr, &rgb)) ? rgb : RGB(0, 0, 0);
}

// Restores the DC's state the picture changed.
class SavedDc {
 public:
  explicit SavedDc(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  SavedDc(const SavedDc&) = delete;
  SavedDc& operator=(const SavedDc&) = delete;
  ~SavedDc() { RestoreDC(dc_, saved_); }

 private:
  HDC dc_;
  int saved_;
};

}  // namespace

void DrawControlPicture(HDC dc, const RECT& area, const control::Zelvane& control) {
  const SavedDc saved(dc);
  RECT inner = area;
  const win32::unique_hbrush background(CreateSolidBrush(Colour(control.BackColor())));
  FillRect(dc, &inner, background.get());
  if (control.Appearance() == control::zv3d) {
    DrawEdge(dc, &inner, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  } else {
    FrameRect(dc, &inner, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&inner, -1, -1);
  }
  if (control.ShowButton()) {
    RECT button = inner;
    button.left = std::max(inner.left, inner.right - GetSystemMetrics(SM_CXVSCROLL));
    DrawFrameControl(dc, &button, DFC_SCROLL, DFCS_SCROLLDOWN);
    inner.right = button.left;
  }
  if (const auto font = std::dynamic_pointer_cast<win32::Win32Font>(control.Font())) {
    if (const HFONT hfont = font->hfont()) SelectObject(dc, hfont);
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Colour(control.ForeColor()));
  const std::u16string text = control.Text();
  InflateRect(&inner, -1, 0);
  DrawTextW(dc, reinterpret_cast<const wchar_t*>(text.c_str()), static_cast<int>(text.size()), &inner,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
}

}  // namespace zelvane::com
