#pragma once
#include "host/font.h"
#include "host/win32/windows_api.h"

#include "host/win32/control_colors.h"
#include "host/win32/font_change_listener.h"
#include "host/win32/font_handle_lease.h"

namespace zelvane::win32 {

/// The font and colours of a system control (EDIT or LISTBOX) of the control:
/// MS Sans Serif and the system's window colours until the host sets its own. When
/// the host changes a property of the font object (Font.Bold = True), the control
/// takes the new GDI font at once.
class ControlLook final : private FontChangeListener {
 public:
  /// Gives `hwnd` the starting font; `hwnd` must outlive the calls made here.
  explicit ControlLook(HWND hwnd);
  ControlLook(const ControlLook&) = delete;
  ControlLook& operator=(const ControlLook&) = delete;
  ~ControlLook();

  host::FontPtr Font() const { return font_.font(); }
  /// Takes a Win32Font and keeps its GDI font leased while the control uses it. No
  /// object keeps the current font; any other kind of object is VB error 13.
  void SetFont(const host::FontPtr& font);
  host::OleColor BackColor() const { return colors_.BackColor(); }
  /// An OLE colour that names no colour is VB error 380, the old one kept.
  void SetBackColor(host::OleColor color);
  host::OleColor ForeColor() const { return colors_.ForeColor(); }
  void SetForeColor(host::OleColor color);

  /// Gives the font to `hwnd`, which takes the place of the window so far.
  void MoveTo(HWND hwnd);
  /// The answer to the control's WM_CTLCOLOR* request (see ControlColors).
  LRESULT PrepareDc(HDC dc, bool grayText = false) { return colors_.PrepareDc(dc, grayText); }

 private:
  void OnFontChanged() override;
  void Apply(std::shared_ptr<Win32Font> font);

  HWND hwnd_;
  FontHandleLease font_;
  ControlColors colors_;
};

}  // namespace zelvane::win32
