#pragma once
#include <cstdint>

#include "host/win_types.h"
#include "host/window_system.h"

namespace zelvane::hooks {

/// A copy of the record a WH_MOUSE hook receives, valid after the hook call ends.
class cMouselParam {
 public:
  explicit cMouselParam(host::WindowSystem& windows) : windows_(windows) {}

  /// Copies the MOUSEHOOKSTRUCT at the given address; only the hook service calls it.
  void Init(host::LParam address);

  std::int32_t X() const { return record_.pt.x; }
  std::int32_t Y() const { return record_.pt.y; }
  std::int32_t ClientX(host::Hwnd lhWNd) const;
  std::int32_t ClientY(host::Hwnd lhWNd) const;
  host::Hwnd hWnd() const { return record_.hwnd; }
  std::int32_t wHitTestCode() const { return static_cast<std::int32_t>(record_.wHitTestCode); }
  std::intptr_t dwExtraInfo() const { return static_cast<std::intptr_t>(record_.dwExtraInfo); }

 private:
  host::Point Converted(host::Hwnd lhWNd) const;

  host::WindowSystem& windows_;
  host::MouseHookStruct record_{};
};

}  // namespace zelvane::hooks
