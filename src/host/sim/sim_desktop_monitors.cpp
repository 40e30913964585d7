// The monitors of the simulated desktop and the user32 calls that ask about them.
#include <algorithm>
#include <cstdint>

#include "host/sim/sim_call_text.h"
#include "host/sim/sim_desktop.h"
#include "host/sim/sim_messages.h"

namespace zelvane::sim {
namespace {

constexpr host::HMonitor kFirstMonitor = 0x30030;
constexpr host::HMonitor kMonitorStep = 4;

host::HMonitor HandleOf(std::size_t index) { return kFirstMonitor + index * kMonitorStep; }

std::int64_t Overlap(std::int64_t low1, std::int64_t high1, std::int64_t low2, std::int64_t high2) {
  return std::max<std::int64_t>(0, std::min(high1, high2) - std::max(low1, low2));
}

std::int64_t Gap(std::int64_t low1, std::int64_t high1, std::int64_t low2, std::int64_t high2) {
  return std::max<std::int64_t>({0, low2 - high1, low1 - high2});
}

std::int64_t SharedArea(const host::Rect& a, const host::Rect& b) {
  return Overlap(a.left, a.right, b.left, b.right) * Overlap(a.top, a.bottom, b.top, b.bottom);
}

std::int64_t SquaredDistance(const host::Rect& a, const host::Rect& b) {
  const std::int64_t dx = Gap(a.left, a.right, b.left, b.right);
  const std::int64_t dy = Gap(a.top, a.bottom, b.top, b.bottom);
  return dx * dx + dy * dy;
}

}  // namespace

void SimDesktop::SetWorkArea(host::Rect rcWork) {
  {
    std::lock_guard lock(mutex_);
    monitors_.front().rcWork = rcWork;
  }
  BroadcastScreenChange();
}

host::HMonitor SimDesktop::AddMonitor(host::Rect rcMonitor, host::Rect rcWork) {
  host::HMonitor monitor = 0;
  {
    std::lock_guard lock(mutex_);
    monitors_.push_back({rcMonitor, rcWork});
    monitor = HandleOf(monitors_.size() - 1);
  }
  BroadcastScreenChange();
  return monitor;
}

void SimDesktop::BroadcastScreenChange() {
  std::vector<SimWindowHandler*> handlers;
  {
    std::lock_guard lock(mutex_);
    handlers = HandlersLocked();
  }
  for (SimWindowHandler* handler : handlers) handler->OnScreenChanged();
}

host::HMonitor SimDesktop::MonitorFromRect(const host::Rect* lprc, std::uint32_t dwFlags) {
  std::lock_guard lock(mutex_);
  const host::Rect given = lprc == nullptr ? host::Rect{} : *lprc;
  if (EnterFailingLocked(CallText("MonitorFromRect", given.left, given.top, given.right, given.bottom, dwFlags))) {
    return 0;
  }
  if (!RequireLocked(lprc != nullptr, ERROR_INVALID_PARAMETER)) return 0;
  host::Rect area = given;
  if (area.right <= area.left || area.bottom <= area.top) area = {area.left, area.top, area.left + 1, area.top + 1};

  std::size_t best = 0;
  std::int64_t bestArea = 0;
  for (std::size_t i = 0; i < monitors_.size(); ++i) {
    const std::int64_t shared = SharedArea(area, monitors_[i].rcMonitor);
    if (shared > bestArea) {
      best = i;
      bestArea = shared;
    }
  }
  if (bestArea > 0) return HandleOf(best);
  if (dwFlags == host::MONITOR_DEFAULTTOPRIMARY) return HandleOf(0);
  if (dwFlags != host::MONITOR_DEFAULTTONEAREST) return 0;
  for (std::size_t i = 1; i < monitors_.size(); ++i) {
    if (SquaredDistance(area, monitors_[i].rcMonitor) < SquaredDistance(area, monitors_[best].rcMonitor)) best = i;
  }
  return HandleOf(best);
}

bool SimDesktop::GetMonitorInfoW(host::HMonitor hMonitor, host::MonitorInfo* lpmi) {
  std::lock_guard lock(mutex_);
  if (EnterFailingLocked(CallText("GetMonitorInfoW", hMonitor))) return false;
  const std::size_t index = (hMonitor - kFirstMonitor) / kMonitorStep;
  const bool known = hMonitor >= kFirstMonitor && (hMonitor - kFirstMonitor) % kMonitorStep == 0 &&
                     index < monitors_.size();
  if (!RequireLocked(known, ERROR_INVALID_MONITOR_HANDLE) ||
      !RequireLocked(lpmi != nullptr && lpmi->cbSize == sizeof(host::MonitorInfo), ERROR_INVALID_PARAMETER)) {
    return false;
  }
  lpmi->rcMonitor = monitors_[index].rcMonitor;
  lpmi->rcWork = monitors_[index].rcWork;
  lpmi->dwFlags = index == 0 ? host::MONITORINFOF_PRIMARY : 0;
  return true;
}

}  // namespace zelvane::sim
