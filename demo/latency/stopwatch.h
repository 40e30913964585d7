#pragma once
#include <windows.h>

namespace zelvane::demo {

/// Milliseconds on the performance counter, for latencies measured in one process.
inline double NowMs() {
  LARGE_INTEGER count, frequency;
  ::QueryPerformanceCounter(&count);
  ::QueryPerformanceFrequency(&frequency);
  return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace zelvane::demo
