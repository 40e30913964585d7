#pragma once
#include "host/win32/windows_api.h"

namespace zelvane::win32 {

/// The platform's click rule for a window: a left-button release that follows a
/// left-button press on the same window, with the pointer still inside it.
class ClickTracker {
 public:
  void Press() noexcept { armed_ = true; }
  void Cancel() noexcept { armed_ = false; }
  /// Whether this release completes a click; `clientPoint` in the window's client pixels.
  bool Release(HWND hwnd, POINT clientPoint) noexcept {
    const bool armed = armed_;
    armed_ = false;
    RECT client{};
    return armed && ::GetClientRect(hwnd, &client) && ::PtInRect(&client, clientPoint);
  }

 private:
  bool armed_ = false;
};

}  // namespace zelvane::win32
