#pragma once
#include "host/timer.h"

#include "host/win32/windows_api.h"

#include <optional>

#include "host/win32/subclass_handler.h"
#include "host/win32/window_subclass.h"

namespace zelvane::win32 {

/// The constituent timer: SetTimer on a window of the control's thread, its
/// WM_TIMER taken from that window through a subclass. Disabled at creation.
class Win32Timer final : public host::Timer, private SubclassHandler {
 public:
  /// `host` carries the timer; `id` tells it apart from the window's other timers.
  Win32Timer(HWND host, UINT_PTR id);
  Win32Timer(const Win32Timer&) = delete;
  Win32Timer& operator=(const Win32Timer&) = delete;
  ~Win32Timer() override;

  void SetEvents(host::TimerEvents* events) override { events_ = events; }
  bool Enabled() const override { return enabled_; }
  /// Enabling starts a fresh interval, also when the timer was enabled already.
  void SetEnabled(bool enabled) override;
  std::int32_t Interval() const override { return interval_; }
  /// 0 to 65535 milliseconds (0 never ticks); anything else is VB error 380.
  /// A running timer starts the new interval afresh.
  void SetInterval(std::int32_t milliseconds) override;

 private:
  LRESULT OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnSubclassedWindowGone() noexcept override;
  void Apply(bool enabled, std::int32_t interval);

  HWND host_;  // null once the window is gone
  UINT_PTR id_;
  std::optional<WindowSubclass> subclass_;
  host::TimerEvents* events_ = nullptr;  // the control; none while it is being built
  bool enabled_ = false;
  std::int32_t interval_ = 0;
};

}  // namespace zelvane::win32
