#pragma once
#include "host/win32/windows_api.h"

namespace zelvane::win32 {

/// Receives the messages of a window subclassed through WindowSubclass. A handler
/// that does not consume a message passes it on with WindowSubclass::CallNext.
class SubclassHandler {
 public:
  virtual LRESULT OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) = 0;
  /// The window is going (WM_NCDESTROY); the subclass has already been removed.
  virtual void OnSubclassedWindowGone() noexcept {}

 protected:
  ~SubclassHandler() = default;
};

}  // namespace zelvane::win32
