#pragma once
#include "host/timer.h"

#include "host/control_owner.h"

#include "host/win32/windows_api.h"

#include "host/win32/subclass_handler.h"
#include "host/win32/subclassed_window.h"

namespace zelvane::win32 {

/// The constituent timer: SetTimer on a message-only window of its own on the
/// control's thread, whose WM_TIMER it takes through a subclass. Disabled at creation.
class Win32Timer final : public host::Timer, private SubclassHandler {
 public:
  /// Raises an automation error when the window cannot be made. `owner` is held
  /// while a tick runs.
  explicit Win32Timer(host::ControlOwner& owner);
  Win32Timer(const Win32Timer&) = delete;
  Win32Timer& operator=(const Win32Timer&) = delete;
  ~Win32Timer() override;

  void SetEvents(host::TimerEvents* events) override { events_ = events; }
  bool Enabled() const override { return enabled_; }
  /// Enabling starts a fresh interval, also when the timer was enabled already.
  void SetEnabled(bool enabled) override;
  std::int32_t Interval() const override { return interval_; }
  /// 0 to 65535 milliseconds; anything else is VB error 380. A running timer
  /// starts the new interval afresh. 0 ticks from a posted message, at the next
  /// pass of the message loop (SetTimer would wait its minimum of 10 ms).
  void SetInterval(std::int32_t milliseconds) override;

 private:
  LRESULT OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  void Apply(bool enabled, std::int32_t interval);
  bool PostZeroTick();
  LRESULT OnZeroTick(WPARAM generation);

  host::ControlOwner& owner_;
  SubclassedWindow window_;
  host::TimerEvents* events_ = nullptr;  // the control; none while it is being built
  bool enabled_ = false;
  std::int32_t interval_ = 0;
  bool timerSet_ = false;  // a SetTimer timer runs on the window
  // Bumped at every Apply: a posted tick of an earlier setting does nothing.
  WPARAM generation_ = 0;
};

}  // namespace zelvane::win32
