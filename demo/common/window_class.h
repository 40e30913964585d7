#pragma once
#include <windows.h>

namespace zelvane::demo {

/// A window class registered for one scope.
class WindowClass {
 public:
  WindowClass(const wchar_t* name, WNDPROC procedure);
  WindowClass(const WindowClass&) = delete;
  WindowClass& operator=(const WindowClass&) = delete;
  ~WindowClass();

  const wchar_t* name() const { return name_; }

 private:
  const wchar_t* name_;
};

/// Creates a top-level window of `cls` over `frame` (screen coordinates); throws when
/// the system refuses.
HWND CreateTopLevelWindow(const WindowClass& cls, const wchar_t* title, DWORD style, const RECT& frame,
                          void* param = nullptr);

}  // namespace zelvane::demo
