#pragma once
#include <cstdint>

#include "host/timer_events.h"

namespace zelvane::host {

/// The constituent timer. Enabling it starts a fresh interval; it ticks on the
/// control's own thread until disabled.
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
