#pragma once
#include <cstdint>

#include "host/win_types.h"
#include "host/window_system.h"

namespace zelvane::control {

/// The screen position of the top-left corner of a drop-down `height` pixels high
/// and as wide as the control window at `control` (screen pixels), so that it
/// stays within the work area of the monitor that holds the control: below the
/// control when it fits there, else above it when more of it shows there, and
/// shifted sideways into the work area. Neither size changes, so a list taller
/// than both sides goes where more of it shows. When the system cannot name the
/// work area, the drop-down goes below the control.
host::Point DropDownPosition(host::WindowSystem& windows, const host::Rect& control, std::int32_t height);

}  // namespace zelvane::control
