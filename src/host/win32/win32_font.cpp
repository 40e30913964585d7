#include "host/win32/win32_font.h"

#include "core/vb_errors.h"

#include <new>

namespace zelvane::win32 {

HFONT Win32Font::hfont() const noexcept {
  HFONT font = nullptr;
  if (font_ && FAILED(font_->get_hFont(&font))) font = nullptr;
  return font;
}

std::shared_ptr<Win32Font> MakeDefaultFont() {
  wchar_t faceName[] = L"MS Sans Serif";
  FONTDESC desc{};
  desc.cbSizeofstruct = sizeof desc;
  desc.lpstrName = faceName;
  desc.cySize.int64 = 8 * 10000;  // points in the currency format's four decimals
  desc.sWeight = FW_NORMAL;
  desc.sCharset = DEFAULT_CHARSET;
  com_ptr<IFont> font;
  if (FAILED(::OleCreateFontIndirect(&desc, IID_IFont, font.put_void()))) throw std::bad_alloc();
  return std::make_shared<Win32Font>(std::move(font));
}

std::shared_ptr<Win32Font> FontFromUnknown(IUnknown* object) {
  com_ptr<IFont> font = com_ptr<IUnknown>(object).query<IFont>();
  if (!font) core::RaiseVbError(core::VbError::TypeMismatch);
  return std::make_shared<Win32Font>(std::move(font));
}

}  // namespace zelvane::win32
