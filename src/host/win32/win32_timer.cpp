#include "host/win32/win32_timer.h"

#include "core/vb_errors.h"
#include "host/control_hold.h"
#include "host/win32/module_instance.h"
#include "host/win32/win32_error.h"

namespace zelvane::win32 {
namespace {

constexpr std::int32_t kMaxInterval = 65535;
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kZeroTick = WM_APP + 1;

HWND CreateTimerWindow() {
  HWND hwnd = ::CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, ThisModule(), nullptr);
  if (!hwnd) RaiseLastError(u"CreateWindowExW(STATIC)");
  return hwnd;
}

}  // namespace

Win32Timer::Win32Timer(host::ControlOwner& owner)
    : owner_(owner), window_(CreateTimerWindow(), static_cast<SubclassHandler&>(*this)) {}

// The window takes its timer with it.
Win32Timer::~Win32Timer() { events_ = nullptr; }

void Win32Timer::SetEnabled(bool enabled) {
  Apply(enabled, interval_);
  enabled_ = enabled;
}

void Win32Timer::SetInterval(std::int32_t milliseconds) {
  if (milliseconds < 0 || milliseconds > kMaxInterval) core::RaiseVbError(core::VbError::InvalidPropertyValue);
  Apply(enabled_, milliseconds);
  interval_ = milliseconds;
}

void Win32Timer::Apply(bool enabled, std::int32_t interval) {
  HWND hwnd = window_.get();
  if (!hwnd) return;
  ++generation_;
  // Killing a timer that is not there is still a round trip to the window server.
  if (timerSet_ && (!enabled || interval == 0)) {
    ::KillTimer(hwnd, kTimerId);
    timerSet_ = false;
  }
  if (enabled && interval == 0) {
    if (!PostZeroTick()) RaiseLastError(u"PostMessageW");
  } else if (enabled) {
    // Setting a timer that exists already replaces it: the interval starts afresh.
    if (!::SetTimer(hwnd, kTimerId, static_cast<UINT>(interval), nullptr)) RaiseLastError(u"SetTimer");
    timerSet_ = true;
  }
}

bool Win32Timer::PostZeroTick() { return ::PostMessageW(window_.get(), kZeroTick, generation_, 0) != FALSE; }

LRESULT Win32Timer::OnZeroTick(WPARAM generation) {
  if (generation != generation_ || !enabled_ || interval_ != 0) return 0;
  const host::ControlHold hold(owner_);
  if (events_) events_->tmr_Timer();
  // The next tick is posted once this one has run, and only for a timer the handler
  // left as it was: a handler that disables it (the control's does) costs no stale
  // message, and a pass inside the handler does not tick it again.
  if (generation == generation_ && enabled_ && interval_ == 0) PostZeroTick();
  return 0;
}

LRESULT Win32Timer::OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kZeroTick) return OnZeroTick(wParam);
  if (msg != WM_TIMER || wParam != kTimerId) return WindowSubclass::CallNext(hwnd, msg, wParam, lParam);
  // The refill of a tick raises events in which the host may close the control.
  const host::ControlHold hold(owner_);
  if (events_) events_->tmr_Timer();
  return 0;
}

}  // namespace zelvane::win32
