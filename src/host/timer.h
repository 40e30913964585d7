#pragma once
#include <cstdint>

#include "host/timer_events.h"

namespace zelvane::host {

/// The constituent timer. Enabling it starts a fresh interval; it ticks on the
/// control's own thread until disabled. An interval of 0 ticks at the next pass
/// of the message loop (and at every pass after it while enabled), never inside
/// the call that enabled it.
class Timer {
 public:
  virtual ~Timer() = default;
  virtual void SetEvents(TimerEvents* events) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual std::int32_t Interval() const = 0;
  virtual void SetInterval(std::int32_t milliseconds) = 0;
};

}  // namespace zelvane::host
