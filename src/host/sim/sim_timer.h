#pragma once
#include <cstdint>

#include "host/timer.h"

namespace zelvane::sim {

class SimDesktop;

/// A timer on the desktop's virtual clock. Enabling it (or changing the interval
/// while enabled) starts a fresh interval from NowMs(); it then ticks every
/// interval while enabled. An interval of 0 never ticks, as in VB; intervals
/// outside 0..65535 raise VB error 380.
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

  /// Whether the timer will tick, and when (virtual ms); DueMs is meaningful only
  /// while Active.
  bool Active() const { return enabled_ && interval_ > 0; }
  std::int64_t DueMs() const { return dueMs_; }
  /// Ticks so far.
  int TickCount() const { return ticks_; }
  /// Called by the desktop at the due time: schedules the next tick, then raises
  /// tmr_Timer.
  void Fire();

 private:
  void Restart();

  SimDesktop& desktop_;
  host::TimerEvents* events_ = nullptr;
  bool enabled_ = false;
  std::int32_t interval_ = 0;
  std::int64_t dueMs_ = 0;
  int ticks_ = 0;
};

}  // namespace zelvane::sim
