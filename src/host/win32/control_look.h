#pragma once
#include "host/font.h"
#include "host/win32/windows_api.h"

#include "host/win32/control_colors.h"
#include "host/win32/font_handle_lease.h"

namespace zelvane::win32 {

/// The font and colours of a system control (EDIT or LISTBOX) of the control:
/// MS Sans Serif and the system's window colours until the host sets its own.
class ControlLook {
 public:
  /// Gives `hwnd` the starting font.
  explicit ControlLook(HWND hwnd);

  host::FontPtr Font() const { return font_.font(); }
  /// Takes a Win32Font and keeps its GDI font leased while the control uses it. No
  /// object keeps the current font; any other kind of object is VB error 13.
  void SetFont(HWND hwnd, const host::FontPtr& font);
  host::OleColor BackColor() const { return colors_.BackColor(); }
  /// An OLE colour that names no colour is VB error 380, the old one kept.
  void SetBackColor(HWND hwnd, host::OleColor color);
  host::OleColor ForeColor() const { return colors_.ForeColor(); }
  void SetForeColor(HWND hwnd, host::OleColor color);

  /// The answer to the control's WM_CTLCOLOR* request (see ControlColors).
  LRESULT PrepareDc(HDC dc, bool grayText = false) { return colors_.PrepareDc(dc, grayText); }

 private:
  FontHandleLease font_;
  ControlColors colors_;
};

}  // namespace zelvane::win32
