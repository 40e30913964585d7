#pragma once
#include <cstdint>
#include <memory>

#include "host/timer.h"

namespace zelvane::sim {

class SimDesktop;

/// A timer on the desktop's virtual clock. Enabling it (or changing the interval
/// while enabled) starts a fresh interval from NowMs(); it then ticks every
/// interval while enabled. An interval of 0 ticks from the desktop's queue, at the
/// next pass and at each pass after it; intervals outside 0..65535 raise VB error 380.
class SimTimer final : public host::Timer {
 public:
  explicit SimTimer(SimDesktop& desktop);
  ~SimTimer() override;
  SimTimer(const SimTimer&) = delete;
  SimTimer& operator=(const SimTimer&) = delete;

  void SetEvents(host::TimerEvents* events) override { events_ = events; }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;
  std::int32_t Interval() const override { return interval_; }
  void SetInterval(std::int32_t milliseconds) override;

  /// Whether the timer will tick on the clock, and when (virtual ms); DueMs is
  /// meaningful only while Active. A timer of interval 0 is not Active: it ticks
  /// from the queue.
  bool Active() const { return enabled_ && interval_ > 0; }
  std::int64_t DueMs() const { return dueMs_; }
  /// Ticks so far.
  int TickCount() const { return ticks_; }
  /// Called by the desktop at the due time: schedules the next tick, raises
  /// tmr_Timer, and for interval 0 then queues the next tick unless the handler
  /// changed the timer.
  void Fire();

 private:
  void Restart();
  /// Queues the tick of an enabled timer of interval 0; a tick queued before the
  /// timer changed (or went) does nothing.
  void QueueZeroTick();

  SimDesktop& desktop_;
  host::TimerEvents* events_ = nullptr;
  bool enabled_ = false;
  std::int32_t interval_ = 0;
  std::int64_t dueMs_ = 0;
  int ticks_ = 0;
  // Bumped at every restart; shared with queued ticks, which outlive the timer.
  std::shared_ptr<std::uint64_t> generation_ = std::make_shared<std::uint64_t>(0);
};

}  // namespace zelvane::sim
