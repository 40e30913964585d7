#pragma once
#include "host/font.h"

#include "host/win32/windows_api.h"
#include <olectl.h>

#include <memory>
#include <vector>

#include "host/win32/com_ptr.h"
#include "host/win32/font_change_listener.h"
#include "host/win32/font_change_sink.h"

namespace zelvane::win32 {

/// The platform's standard font object (IFont), shared by reference between the
/// host, the text box and the list box. It tells its listeners when the host
/// changes a property of the font object, through whichever reference.
class Win32Font final : public host::Font {
 public:
  explicit Win32Font(com_ptr<IFont> font);
  Win32Font(const Win32Font&) = delete;
  Win32Font& operator=(const Win32Font&) = delete;
  ~Win32Font() override;

  /// The GDI font the object realises now. It belongs to the font object and may
  /// be dropped when one of its properties changes: hold a FontHandleLease while
  /// a window uses it.
  HFONT hfont() const noexcept;
  IFont* ifont() const noexcept { return font_.get(); }
  /// The object as the dispatch interface the Font property hands to hosts.
  com_ptr<IFontDisp> fontDisp() const noexcept { return font_.query<IFontDisp>(); }

  /// A listener stays registered until it removes itself; it must before it goes.
  void AddListener(FontChangeListener* listener) { listeners_.push_back(listener); }
  void RemoveListener(FontChangeListener* listener) noexcept;

 private:
  void NotifyListeners();

  com_ptr<IFont> font_;
  com_ptr<IConnectionPoint> changes_;  // the font's property-change connection point, if it has one
  FontChangeSink* sink_ = nullptr;     // counted by the font object while advised
  DWORD cookie_ = 0;
  std::vector<FontChangeListener*> listeners_;
};

/// A new font object as the text box starts with: MS Sans Serif, 8 points.
std::shared_ptr<Win32Font> MakeDefaultFont();

/// The font object behind an object a host hands over (IFont or IFontDisp);
/// VB error 13 "Type mismatch" for anything else.
std::shared_ptr<Win32Font> FontFromUnknown(IUnknown* object);

}  // namespace zelvane::win32
