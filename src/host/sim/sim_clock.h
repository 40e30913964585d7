#pragma once
#include "core/ole_date.h"
#include "host/clock.h"

namespace zelvane::sim {

/// A clock that shows the date and time the test set.
class SimClock final : public host::Clock {
 public:
  SimClock() = default;
  explicit SimClock(const core::LocalDateTime& now) : now_(now) {}
  core::LocalDateTime Now() override { ++reads_; return now_; }
  void Set(const core::LocalDateTime& now) { now_ = now; }
  int ReadCount() const { return reads_; }

 private:
  core::LocalDateTime now_{2024, 5, 17, 10, 30, 0, 0};
  int reads_ = 0;
};

}  // namespace zelvane::sim
