#include "message_pump.h"

#include <windows.h>

namespace zelvane::demo {

void PumpPending() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

bool PumpUntil(const std::function<bool()>& done, unsigned milliseconds) {
  const ULONGLONG end = ::GetTickCount64() + milliseconds;
  for (;;) {
    PumpPending();
    if (done()) return true;
    ULONGLONG now = ::GetTickCount64();
    if (now >= end) return false;
    // Wake for the next message or after a millisecond, whichever comes first.
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
}

void PumpFor(unsigned milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

}  // namespace zelvane::demo
