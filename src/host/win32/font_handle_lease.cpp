#include "host/win32/font_handle_lease.h"

#include <utility>

namespace zelvane::win32 {
namespace {

constexpr LONG kHimetricPerInch = 2540;

com_ptr<IFont> ScaledCopy(IFont* font, int dpi) noexcept {
  com_ptr<IFont> copy;
  // Pixels per himetric: the copy's point size comes out in pixels of `dpi`.
  if (FAILED(font->Clone(copy.put())) || !copy || FAILED(copy->SetRatio(dpi, kHimetricPerInch))) return {};
  return copy;
}

HFONT Realised(IFont* font) noexcept {
  HFONT hfont = nullptr;
  return SUCCEEDED(font->get_hFont(&hfont)) ? hfont : nullptr;
}

LONG CellHeight(HFONT hfont) noexcept {
  LOGFONTW logFont{};
  return ::GetObjectW(hfont, sizeof logFont, &logFont) ? logFont.lfHeight : 0;
}

}  // namespace

FontHandleLease::FontHandleLease(std::shared_ptr<Win32Font> font, int dpi) noexcept : font_(std::move(font)) {
  if (!font_ || !font_->ifont()) return;
  realiser_ = com_ptr<IFont>(font_->ifont());
  HFONT hfont = Realised(realiser_.get());
  // The object's own GDI font serves whenever it already has the height wanted (a
  // font object realises itself at the screen's resolution); one that cannot be
  // copied is shown as it realises itself.
  if (com_ptr<IFont> copy = hfont && dpi > 0 ? ScaledCopy(realiser_.get(), dpi) : com_ptr<IFont>()) {
    HFONT scaled = Realised(copy.get());
    if (scaled && CellHeight(scaled) != CellHeight(hfont)) {
      realiser_ = std::move(copy);
      hfont = scaled;
    }
  }
  if (hfont && SUCCEEDED(realiser_->AddRefHfont(hfont))) hfont_ = hfont;
}

FontHandleLease::FontHandleLease(FontHandleLease&& other) noexcept
    : font_(std::move(other.font_)),
      realiser_(std::move(other.realiser_)),
      hfont_(std::exchange(other.hfont_, nullptr)) {}

FontHandleLease& FontHandleLease::operator=(FontHandleLease&& other) noexcept {
  if (this != &other) {
    Release();
    font_ = std::move(other.font_);
    realiser_ = std::move(other.realiser_);
    hfont_ = std::exchange(other.hfont_, nullptr);
  }
  return *this;
}

FontHandleLease::~FontHandleLease() { Release(); }

void FontHandleLease::Release() noexcept {
  if (hfont_) realiser_->ReleaseHfont(hfont_);
  hfont_ = nullptr;
}

}  // namespace zelvane::win32
