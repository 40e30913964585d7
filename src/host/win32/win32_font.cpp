#include "host/win32/win32_font.h"

#include "core/vb_errors.h"

#include <algorithm>
#include <new>

namespace zelvane::win32 {

Win32Font::Win32Font(com_ptr<IFont> font) : font_(std::move(font)) {
  auto container = font_.query<IConnectionPointContainer>();
  if (!container || FAILED(container->FindConnectionPoint(IID_IPropertyNotifySink, changes_.put()))) return;
  sink_ = new FontChangeSink([this] { NotifyListeners(); });
  // A font object without notifications still works; its changes then show only
  // when the font is set again.
  if (FAILED(changes_->Advise(sink_, &cookie_))) changes_.reset();
}

Win32Font::~Win32Font() {
  if (!sink_) return;
  sink_->Disconnect();
  if (changes_) changes_->Unadvise(cookie_);
  sink_->Release();
}

void Win32Font::RemoveListener(FontChangeListener* listener) noexcept {
  std::erase(listeners_, listener);
}

void Win32Font::NotifyListeners() {
  // A listener may remove itself while it is told.
  const std::vector<FontChangeListener*> listeners = listeners_;
  for (FontChangeListener* listener : listeners)
    if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end()) listener->OnFontChanged();
}

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
