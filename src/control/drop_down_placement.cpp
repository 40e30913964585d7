#include "control/drop_down_placement.h"

#include <algorithm>
#include <optional>

namespace zelvane::control {
namespace {

// Pixels of the span [top, top + height) that lie within [low, high).
std::int64_t ShownPart(std::int64_t top, std::int64_t height, std::int64_t low, std::int64_t high) {
  return std::max<std::int64_t>(0, std::min(top + height, high) - std::max(top, low));
}

}  // namespace

std::optional<host::Rect> MonitorWorkArea(host::WindowSystem& windows, const host::Rect& control) {
  const host::HMonitor monitor = windows.MonitorFromRect(&control, host::MONITOR_DEFAULTTONEAREST);
  host::MonitorInfo info{};
  info.cbSize = sizeof info;
  if (monitor == 0 || !windows.GetMonitorInfoW(monitor, &info)) return std::nullopt;
  return info.rcWork;
}

host::Point DropDownPosition(const std::optional<host::Rect>& work, const host::Rect& control, std::int32_t height,
                             bool rightToLeft) {
  if (!work) return {control.left, control.bottom};

  // In 64 bits: a 32-bit coordinate moved by a 32-bit height may not fit in 32.
  const std::int64_t above = std::int64_t{control.top} - height;
  const bool upwards =
      ShownPart(above, height, work->top, work->bottom) > ShownPart(control.bottom, height, work->top, work->bottom);
  // A list wider than the work area keeps the edge where the text starts in view.
  const std::int64_t width = std::int64_t{control.right} - control.left;
  const std::int64_t rightmost = work->right - width;
  const std::int64_t left = rightToLeft
                                ? std::min(std::max<std::int64_t>(control.left, work->left), rightmost)
                                : std::max<std::int64_t>(std::min<std::int64_t>(control.left, rightmost), work->left);
  return {static_cast<std::int32_t>(left), upwards ? static_cast<std::int32_t>(above) : control.bottom};
}

}  // namespace zelvane::control
