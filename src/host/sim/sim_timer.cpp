#include "host/sim/sim_timer.h"

#include "core/vb_errors.h"
#include "host/sim/sim_desktop.h"

namespace zelvane::sim {

SimTimer::SimTimer(SimDesktop& desktop) : desktop_(desktop) { desktop_.AddTimer(this); }

SimTimer::~SimTimer() { desktop_.RemoveTimer(this); }

void SimTimer::Restart() {
  dueMs_ = desktop_.NowMs() + interval_;
  ++*generation_;
  if (enabled_ && interval_ == 0) QueueZeroTick();
}

void SimTimer::QueueZeroTick() {
  const std::weak_ptr<std::uint64_t> generation = generation_;
  desktop_.Post([this, generation, queuedAt = *generation_] {
    const std::shared_ptr<std::uint64_t> current = generation.lock();
    if (current && *current == queuedAt) Fire();
  });
}

void SimTimer::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (enabled_) {
    Restart();
  } else {
    ++*generation_;
  }
}

void SimTimer::SetInterval(std::int32_t milliseconds) {
  if (milliseconds < 0 || milliseconds > 65535) core::RaiseVbError(core::VbError::InvalidPropertyValue);
  interval_ = milliseconds;
  if (enabled_) Restart();
}

void SimTimer::Fire() {
  dueMs_ += interval_;
  ++ticks_;
  const std::weak_ptr<std::uint64_t> generation = generation_;
  const std::uint64_t firedAt = *generation_;
  if (events_ != nullptr) events_->tmr_Timer();
  // As on Windows: the next zero tick is queued after the handler, for a timer it
  // left as it was (and did not destroy).
  const std::shared_ptr<std::uint64_t> current = generation.lock();
  if (current && *current == firedAt && enabled_ && interval_ == 0) QueueZeroTick();
}

}  // namespace zelvane::sim
