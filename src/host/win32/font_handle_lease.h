#pragma once
#include "host/win32/windows_api.h"

#include <memory>

#include "host/win32/com_ptr.h"
#include "host/win32/win32_font.h"

namespace zelvane::win32 {

/// Keeps a font object's GDI font valid while a window draws with it, even after
/// the host changes the font's properties (IFont::AddRefHfont/ReleaseHfont).
class FontHandleLease {
 public:
  FontHandleLease() noexcept = default;
  /// The font as the object itself realises it; with a `dpi`, its point size at
  /// that resolution instead, realised by a copy so the host's object keeps its own.
  explicit FontHandleLease(std::shared_ptr<Win32Font> font, int dpi = 0) noexcept;
  FontHandleLease(const FontHandleLease&) = delete;
  FontHandleLease& operator=(const FontHandleLease&) = delete;
  FontHandleLease(FontHandleLease&& other) noexcept;
  FontHandleLease& operator=(FontHandleLease&& other) noexcept;
  ~FontHandleLease();

  const std::shared_ptr<Win32Font>& font() const noexcept { return font_; }
  HFONT hfont() const noexcept { return hfont_; }

 private:
  void Release() noexcept;

  std::shared_ptr<Win32Font> font_;
  com_ptr<IFont> realiser_;  // the host's object, or the copy scaled to another resolution
  HFONT hfont_ = nullptr;
};

}  // namespace zelvane::win32
