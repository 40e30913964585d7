#include "host/win32/win32_clock.h"

#include "host/win32/windows_api.h"

namespace zelvane::win32 {

core::LocalDateTime Win32Clock::Now() {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return core::LocalDateTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

}  // namespace zelvane::win32
