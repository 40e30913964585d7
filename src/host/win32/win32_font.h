#pragma once
#include "host/font.h"

#include "host/win32/windows_api.h"
#include <olectl.h>

#include <memory>

#include "host/win32/com_ptr.h"

namespace zelvane::win32 {

/// The platform's standard font object (IFont), shared by reference between the
/// host, the text box and the list box.
class Win32Font final : public host::Font {
 public:
  explicit Win32Font(com_ptr<IFont> font) noexcept : font_(std::move(font)) {}

  /// The GDI font the object realises now. It belongs to the font object and may
  /// be dropped when one of its properties changes: hold a FontHandleLease while
  /// a window uses it.
  HFONT hfont() const noexcept;
  IFont* ifont() const noexcept { return font_.get(); }
  /// The object as the dispatch interface the Font property hands to hosts.
  com_ptr<IFontDisp> fontDisp() const noexcept { return font_.query<IFontDisp>(); }

 private:
  com_ptr<IFont> font_;
};

/// A new font object as the text box starts with: MS Sans Serif, 8 points.
std::shared_ptr<Win32Font> MakeDefaultFont();

/// The font object behind an object a host hands over (IFont or IFontDisp);
/// VB error 13 "Type mismatch" for anything else.
std::shared_ptr<Win32Font> FontFromUnknown(IUnknown* object);

}  // namespace zelvane::win32
