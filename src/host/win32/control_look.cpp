#include "host/win32/control_look.h"

#include "core/vb_errors.h"

namespace zelvane::win32 {
namespace {

constexpr OLE_COLOR kSystemWindow = 0x80000000u | COLOR_WINDOW;
constexpr OLE_COLOR kSystemWindowText = 0x80000000u | COLOR_WINDOWTEXT;

}  // namespace

ControlLook::ControlLook(HWND hwnd) : hwnd_(hwnd), colors_(kSystemWindow, kSystemWindowText) {
  Apply(MakeDefaultFont());
}

ControlLook::~ControlLook() {
  if (font_.font()) font_.font()->RemoveListener(this);
}

void ControlLook::SetFont(const host::FontPtr& font) {
  if (!font) return;
  auto win32Font = std::dynamic_pointer_cast<Win32Font>(font);
  if (!win32Font) core::RaiseVbError(core::VbError::TypeMismatch);
  Apply(std::move(win32Font));
}

void ControlLook::MoveTo(HWND hwnd) {
  hwnd_ = hwnd;
  Apply(font_.font());
}

void ControlLook::OnFontChanged() { Apply(font_.font()); }

void ControlLook::Apply(std::shared_ptr<Win32Font> font) {
  FontHandleLease lease(font);
  ::SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(lease.hfont()), TRUE);
  // The control has let go of the old GDI font only now.
  if (font_.font() != font) {
    if (font_.font()) font_.font()->RemoveListener(this);
    font->AddListener(this);
  }
  font_ = std::move(lease);
}

void ControlLook::SetBackColor(host::OleColor color) {
  colors_.SetBackColor(color);
  ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void ControlLook::SetForeColor(host::OleColor color) {
  colors_.SetForeColor(color);
  ::InvalidateRect(hwnd_, nullptr, TRUE);
}

}  // namespace zelvane::win32
