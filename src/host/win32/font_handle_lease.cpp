#include "host/win32/font_handle_lease.h"

#include <utility>

namespace zelvane::win32 {

FontHandleLease::FontHandleLease(std::shared_ptr<Win32Font> font) noexcept : font_(std::move(font)) {
  if (!font_) return;
  hfont_ = font_->hfont();
  if (hfont_ && FAILED(font_->ifont()->AddRefHfont(hfont_))) hfont_ = nullptr;
}

FontHandleLease::FontHandleLease(FontHandleLease&& other) noexcept
    : font_(std::move(other.font_)), hfont_(std::exchange(other.hfont_, nullptr)) {}

FontHandleLease& FontHandleLease::operator=(FontHandleLease&& other) noexcept {
  if (this != &other) {
    Release();
    font_ = std::move(other.font_);
    hfont_ = std::exchange(other.hfont_, nullptr);
  }
  return *this;
}

FontHandleLease::~FontHandleLease() { Release(); }

void FontHandleLease::Release() noexcept {
  if (hfont_) font_->ifont()->ReleaseHfont(hfont_);
  hfont_ = nullptr;
}

}  // namespace zelvane::win32
