#pragma once
#include "host/font.h"

#include "host/win32/windows_api.h"

#include "host/win32/font_handle_lease.h"

namespace zelvane::win32 {

/// Gives a system control the font of a Win32Font and keeps its GDI font leased in
/// `current`. No object keeps the current font; any other kind of object is VB
/// error 13 "Type mismatch".
void ApplyFont(HWND hwnd, const host::FontPtr& font, FontHandleLease& current);

}  // namespace zelvane::win32
