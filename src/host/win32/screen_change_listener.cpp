#include "host/win32/screen_change_listener.h"

#include "host/win32/module_instance.h"
#include "host/win32/win32_error.h"

namespace zelvane::win32 {
namespace {

// A tool window never shows in the task bar or the Alt+Tab list, even if shown.
HWND CreateListenerWindow() {
  HWND hwnd = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"STATIC", nullptr, WS_POPUP, 0, 0, 0, 0,
                                nullptr, nullptr, ThisModule(), nullptr);
  if (!hwnd) RaiseLastError(u"CreateWindowExW(STATIC)");
  return hwnd;
}

}  // namespace

ScreenChangeListener::ScreenChangeListener(std::function<void()> changed)
    : changed_(std::move(changed)), window_(CreateListenerWindow(), static_cast<SubclassHandler&>(*this)) {}

LRESULT ScreenChangeListener::OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DISPLAYCHANGE || msg == WM_SETTINGCHANGE) changed_();
  return WindowSubclass::CallNext(hwnd, msg, wParam, lParam);
}

}  // namespace zelvane::win32
