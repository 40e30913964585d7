#pragma once
#include "host/win32/windows_api.h"

namespace zelvane::win32 {

/// Runs one message handler at a boundary into the system. An exception from the
/// handler, or from the host code it raised an event into, must not unwind through
/// user32: the message then gets its default treatment and the window stays usable.
template <typename Handler, typename Fallback>
LRESULT GuardedDispatch(Handler&& handler, Fallback&& fallback) noexcept {
  try {
    return handler();
  } catch (...) {
  }
  try {
    return fallback();
  } catch (...) {
    return 0;
  }
}

}  // namespace zelvane::win32
