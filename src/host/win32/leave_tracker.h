#pragma once
#include "host/win32/windows_api.h"

namespace zelvane::win32 {

/// Asks the system for one WM_MOUSELEAVE after the mouse entered a window's client
/// area; the window reports the message with Left() so the next move asks again.
class LeaveTracker {
 public:
  void Track(HWND hwnd) noexcept {
    if (tracking_) return;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
    tracking_ = ::TrackMouseEvent(&track) != FALSE;
  }
  void Left() noexcept { tracking_ = false; }

 private:
  bool tracking_ = false;
};

}  // namespace zelvane::win32
