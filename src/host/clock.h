#pragma once
#include "core/ole_date.h"

namespace zelvane::host {

class Clock {
 public:
  virtual ~Clock() = default;
  /// The local date and time now.
  virtual core::LocalDateTime Now() = 0;
};

}  // namespace zelvane::host
