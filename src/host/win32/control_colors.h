#pragma once
#include "host/win32/windows_api.h"
#include <olectl.h>

#include "host/win32/unique_handle.h"

namespace zelvane::win32 {

/// The background and text colours of a system control, as OLE colours (a value
/// with the top bit set names a system colour), and the brush its WM_CTLCOLOR*
/// answer hands out. System colours are translated at every paint, so a change of
/// the user's colour scheme shows at once.
class ControlColors {
 public:
  /// Both colours must be valid OLE colours.
  ControlColors(OLE_COLOR back, OLE_COLOR fore);

  OLE_COLOR BackColor() const noexcept { return back_; }
  /// Refuses a value that names no colour with VB error 380, keeping the old one.
  void SetBackColor(OLE_COLOR color);
  OLE_COLOR ForeColor() const noexcept { return fore_; }
  void SetForeColor(OLE_COLOR color);

  /// Prepares `dc` for the control's painting and returns the background brush,
  /// the answer to WM_CTLCOLOREDIT or WM_CTLCOLORLISTBOX. `grayText` paints the
  /// text in the system's colour for disabled text instead.
  LRESULT PrepareDc(HDC dc, bool grayText = false);

 private:
  OLE_COLOR back_;
  OLE_COLOR fore_;
  COLORREF brushColor_ = CLR_INVALID;  // what brush_ was made for
  unique_hbrush brush_;
};

}  // namespace zelvane::win32
