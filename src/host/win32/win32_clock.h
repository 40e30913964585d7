#pragma once
#include "host/clock.h"

namespace zelvane::win32 {

/// The local date and time from the system clock (GetLocalTime).
class Win32Clock final : public host::Clock {
 public:
  core::LocalDateTime Now() override;
};

}  // namespace zelvane::win32
