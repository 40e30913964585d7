#pragma once
#include "host/win32/windows_api.h"

namespace zelvane::win32 {

/// Sets (`on`) or clears the style and extended style bits of a system control's
/// window, then has its frame measured and the whole window painted again, since
/// a moved scroll bar or a new alignment shows only after that.
void SetStyleBits(HWND hwnd, bool on, LONG_PTR styles, LONG_PTR exStyles);

}  // namespace zelvane::win32
