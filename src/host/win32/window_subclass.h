#pragma once
#include "host/win32/windows_api.h"

#include "host/win32/subclass_handler.h"

namespace zelvane::win32 {

/// Routes the messages of an existing window (a system EDIT or LISTBOX, or a window
/// of ours) through a handler first, with comctl32's SetWindowSubclass. Removed when
/// this object goes or when the window is destroyed, whichever comes first.
class WindowSubclass {
 public:
  /// Raises an automation error when the window cannot be subclassed.
  WindowSubclass(HWND hwnd, SubclassHandler& handler);
  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;
  ~WindowSubclass();

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);
  void Remove() noexcept;

  HWND hwnd_;  // null once removed
  SubclassHandler& handler_;
};

}  // namespace zelvane::win32
