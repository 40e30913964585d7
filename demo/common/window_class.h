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

}  // namespace zelvane::demo
