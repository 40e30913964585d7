#pragma once

namespace zelvane::host {

class TimerEvents {
 public:
  virtual ~TimerEvents() = default;
  virtual void tmr_Timer() = 0;
};

}  // namespace zelvane::host
