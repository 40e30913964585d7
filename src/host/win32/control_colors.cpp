#include "host/win32/control_colors.h"

#include "core/vb_errors.h"

namespace zelvane::win32 {
namespace {

COLORREF Translate(OLE_COLOR color) {
  COLORREF rgb = 0;
  if (FAILED(::OleTranslateColor(color, nullptr, &rgb))) core::RaiseVbError(core::VbError::InvalidPropertyValue);
  return rgb;
}

}  // namespace

ControlColors::ControlColors(OLE_COLOR back, OLE_COLOR fore) : back_(back), fore_(fore) {
  Translate(back_);
  Translate(fore_);
}

void ControlColors::SetBackColor(OLE_COLOR color) {
  Translate(color);
  back_ = color;
}

void ControlColors::SetForeColor(OLE_COLOR color) {
  Translate(color);
  fore_ = color;
}

LRESULT ControlColors::PrepareDc(HDC dc, bool grayText) {
  const COLORREF back = Translate(back_);
  ::SetTextColor(dc, grayText ? ::GetSysColor(COLOR_GRAYTEXT) : Translate(fore_));
  ::SetBkColor(dc, back);
  if (!brush_ || brushColor_ != back) {
    brush_.reset(::CreateSolidBrush(back));
    brushColor_ = back;
  }
  return reinterpret_cast<LRESULT>(brush_.get());
}

}  // namespace zelvane::win32
