#pragma once

namespace zelvane::win32 {

/// Told when a property of a font object (size, bold, name, ...) has changed, so a
/// window that shows the font can take its new GDI font.
class FontChangeListener {
 public:
  virtual void OnFontChanged() = 0;

 protected:
  ~FontChangeListener() = default;
};

}  // namespace zelvane::win32
