#pragma once
#include <cstdint>
#include <optional>

#include "host/win_types.h"
#include "host/window_system.h"

namespace zelvane::control {

/// The work area of the monitor holding most of the control window at `control`
/// (screen pixels), or of the nearest one when it lies off every monitor; none
/// when the system cannot name it.
std::optional<host::Rect> MonitorWorkArea(host::WindowSystem& windows, const host::Rect& control);

/// The screen position of the top-left corner of a drop-down `height` pixels high
/// and as wide as the control window at `control`, so that it stays within the
/// control's work area `work`: below the control when it fits there, else above it
/// when more of it shows there, and shifted sideways into the work area. Neither
/// size changes, so a list taller than both sides goes where more of it shows, and
/// one wider than the work area keeps the edge where its rows start in view: the
/// left one, or the right one when they read `rightToLeft`.
/// Without a work area the drop-down goes below the control.
host::Point DropDownPosition(const std::optional<host::Rect>& work, const host::Rect& control, std::int32_t height,
                             bool rightToLeft);

}  // namespace zelvane::control
