#include "host/win32/win32_timer.h"

#include "core/vb_errors.h"
#include "host/win32/win32_error.h"

#include <commctrl.h>

namespace zelvane::win32 {
namespace {

constexpr std::int32_t kMaxInterval = 65535;

}  // namespace

Win32Timer::Win32Timer(HWND host, UINT_PTR id) : host_(host), id_(id) { subclass_.emplace(host_, static_cast<SubclassHandler&>(*this)); }

Win32Timer::~Win32Timer() {
  events_ = nullptr;
  if (host_) ::KillTimer(host_, id_);
}

void Win32Timer::OnSubclassedWindowGone() noexcept {
  subclass_.reset();
  host_ = nullptr;
}

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
  if (!host_) return;
  if (enabled && interval > 0) {
    // Setting a timer that exists already replaces it: the interval starts afresh.
    if (!::SetTimer(host_, id_, static_cast<UINT>(interval), nullptr)) RaiseLastError(u"SetTimer");
  } else {
    ::KillTimer(host_, id_);
  }
}

LRESULT Win32Timer::OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_TIMER || wParam != id_) return ::DefSubclassProc(hwnd, msg, wParam, lParam);
  if (events_) events_->tmr_Timer();
  return 0;
}

}  // namespace zelvane::win32
