#include "window_class.h"

#include "com_error.h"

namespace zelvane::demo {

WindowClass::WindowClass(const wchar_t* name, WNDPROC procedure) : name_(name) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  if (!::RegisterClassExW(&wc)) ThrowLastError("RegisterClassEx");
}

HWND CreateTopLevelWindow(const WindowClass& cls, const wchar_t* title, DWORD style, const RECT& frame,
                          void* param) {
  HWND hwnd = ::CreateWindowExW(0, cls.name(), title, style, frame.left, frame.top, frame.right - frame.left,
                                frame.bottom - frame.top, nullptr, nullptr, ::GetModuleHandleW(nullptr), param);
  if (!hwnd) ThrowLastError("creating a top-level window");
  return hwnd;
}

WindowClass::~WindowClass() { ::UnregisterClassW(name_, ::GetModuleHandleW(nullptr)); }

}  // namespace zelvane::demo
