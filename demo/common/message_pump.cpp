#include "message_pump.h"

namespace zelvane::demo {
namespace {

// Runs what is waiting, one message at a time; true as soon as `stop` holds after one.
bool RunWaiting(const std::function<bool()>& stop) {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
    if (stop()) return true;
  }
  return false;
}

bool Pump(const std::function<bool()>& done, unsigned milliseconds, bool askEachMessage) {
  const ULONGLONG end = ::GetTickCount64() + milliseconds;
  const std::function<bool()> never = [] { return false; };
  for (;;) {
    if (RunWaiting(askEachMessage ? done : never) || done()) return true;
    ULONGLONG now = ::GetTickCount64();
    if (now >= end) return false;
    // Wake for the next message or after a millisecond, whichever comes first.
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
  }
}

}  // namespace

bool PumpUntil(const std::function<bool()>& done, unsigned milliseconds) { return Pump(done, milliseconds, false); }

bool PumpOneByOneUntil(const std::function<bool()>& done, unsigned milliseconds) {
  return Pump(done, milliseconds, true);
}

void PumpFor(unsigned milliseconds) {
  PumpUntil([] { return false; }, milliseconds);
}

bool Painted(HWND window) { return !::GetUpdateRect(window, nullptr, FALSE); }

}  // namespace zelvane::demo
