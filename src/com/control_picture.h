#pragma once
#include <windows.h>

#include "control/zelvane.h"

namespace zelvane::com {

/// Paints the control's look into `dc` within `area` without its windows: the
/// border of its appearance, its colours, its text in its font and, when shown,
/// the drop-down button. For containers that draw the control themselves.
void DrawControlPicture(HDC dc, const RECT& area, const control::Zelvane& control);

}  // namespace zelvane::com
