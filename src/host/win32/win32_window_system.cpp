#include "host/win32/win32_window_system.h"

#include "host/win32/module_instance.h"
#include "host/win32/windows_api.h"

#include <commctrl.h>

#include <string>

namespace zelvane::win32 {
namespace {

HWND ToHwnd(host::Hwnd hWnd) { return reinterpret_cast<HWND>(hWnd); }
host::Hwnd FromHwnd(HWND hWnd) { return reinterpret_cast<host::Hwnd>(hWnd); }
// Point and Rect have the system's layout (checked in win32_layout_checks.cpp).
POINT* ToPoint(host::Point* point) { return reinterpret_cast<POINT*>(point); }
RECT* ToRect(host::Rect* rect) { return reinterpret_cast<RECT*>(rect); }
const RECT* ToRect(const host::Rect* rect) { return reinterpret_cast<const RECT*>(rect); }

}  // namespace

bool Win32WindowSystem::GetWindowRect(host::Hwnd hWnd, host::Rect* rect) { return ::GetWindowRect(ToHwnd(hWnd), ToRect(rect)) != 0; }

bool Win32WindowSystem::GetCursorPos(host::Point* point) { return ::GetCursorPos(ToPoint(point)) != 0; }

bool Win32WindowSystem::ScreenToClient(host::Hwnd hWnd, host::Point* point) {
  return ::ScreenToClient(ToHwnd(hWnd), ToPoint(point)) != 0;
}

host::LResult Win32WindowSystem::SendMessageW(host::Hwnd hWnd, std::uint32_t msg, host::WParam wParam, host::LParam lParam) {
  return ::SendMessageW(ToHwnd(hWnd), msg, wParam, lParam);
}

int Win32WindowSystem::LBItemFromPt(host::Hwnd hLB, host::Point pt, bool bAutoScroll) {
  return ::LBItemFromPt(ToHwnd(hLB), POINT{pt.x, pt.y}, bAutoScroll ? TRUE : FALSE);
}

std::intptr_t Win32WindowSystem::GetWindowLongPtrW(host::Hwnd hWnd, int nIndex) {
  return ::GetWindowLongPtrW(ToHwnd(hWnd), nIndex);
}

std::intptr_t Win32WindowSystem::SetWindowLongPtrW(host::Hwnd hWnd, int nIndex, std::intptr_t dwNewLong) {
  return ::SetWindowLongPtrW(ToHwnd(hWnd), nIndex, dwNewLong);
}

bool Win32WindowSystem::MoveWindow(host::Hwnd hWnd, int X, int Y, int nWidth, int nHeight, bool bRepaint) {
  return ::MoveWindow(ToHwnd(hWnd), X, Y, nWidth, nHeight, bRepaint ? TRUE : FALSE) != 0;
}

host::Hwnd Win32WindowSystem::SetParent(host::Hwnd hWndChild, host::Hwnd hWndNewParent) {
  return FromHwnd(::SetParent(ToHwnd(hWndChild), ToHwnd(hWndNewParent)));
}

host::Hwnd Win32WindowSystem::GetDesktopWindow() { return FromHwnd(::GetDesktopWindow()); }

bool Win32WindowSystem::IsWindowVisible(host::Hwnd hWnd) { return ::IsWindowVisible(ToHwnd(hWnd)) != 0; }

bool Win32WindowSystem::IsIconic(host::Hwnd hWnd) { return ::IsIconic(ToHwnd(hWnd)) != 0; }

host::Hwnd Win32WindowSystem::GetWindow(host::Hwnd hWnd, std::uint32_t uCmd) {
  return FromHwnd(::GetWindow(ToHwnd(hWnd), uCmd));
}

host::Hwnd Win32WindowSystem::GetAncestor(host::Hwnd hwnd, std::uint32_t gaFlags) {
  return FromHwnd(::GetAncestor(ToHwnd(hwnd), gaFlags));
}

std::uint32_t Win32WindowSystem::RealGetWindowClassW(host::Hwnd hwnd, char16_t* ptszClassName,
                                                     std::uint32_t cchClassNameMax) {
  return ::RealGetWindowClassW(ToHwnd(hwnd), reinterpret_cast<wchar_t*>(ptszClassName), cchClassNameMax);
}

int Win32WindowSystem::GetWindowTextLengthW(host::Hwnd hWnd) { return ::GetWindowTextLengthW(ToHwnd(hWnd)); }

int Win32WindowSystem::GetWindowTextW(host::Hwnd hWnd, char16_t* lpString, int nMaxCount) {
  return ::GetWindowTextW(ToHwnd(hWnd), reinterpret_cast<wchar_t*>(lpString), nMaxCount);
}

void Win32WindowSystem::NotifyWinEvent(std::uint32_t event, host::Hwnd hwnd, std::int32_t idObject,
                                       std::int32_t idChild) {
  ::NotifyWinEvent(event, ToHwnd(hwnd), idObject, idChild);
}

bool Win32WindowSystem::DrawFrameControl(host::Hdc hdc, host::Rect* rect, std::uint32_t uType, std::uint32_t uState) {
  return ::DrawFrameControl(reinterpret_cast<HDC>(hdc), ToRect(rect), uType, uState) != 0;
}

host::HMonitor Win32WindowSystem::MonitorFromRect(const host::Rect* lprc, std::uint32_t dwFlags) {
  return reinterpret_cast<host::HMonitor>(::MonitorFromRect(ToRect(lprc), dwFlags));
}

bool Win32WindowSystem::GetMonitorInfoW(host::HMonitor hMonitor, host::MonitorInfo* lpmi) {
  // MonitorInfo has the system's layout (checked in win32_layout_checks.cpp).
  return ::GetMonitorInfoW(reinterpret_cast<HMONITOR>(hMonitor), reinterpret_cast<MONITORINFO*>(lpmi)) != 0;
}

host::HHook Win32WindowSystem::SetWindowsHookExW(int idHook, host::HookProc lpfn, std::uintptr_t hmod, std::uint32_t dwThreadId) {
  // Same arguments, result and calling convention as HOOKPROC; on 32-bit the integer
  // types differ only in name (int against long), so the cast is exact.
  const auto procedure = reinterpret_cast<HOOKPROC>(lpfn);
  return reinterpret_cast<host::HHook>(
      ::SetWindowsHookExW(idHook, procedure, reinterpret_cast<HINSTANCE>(hmod), dwThreadId));
}

bool Win32WindowSystem::UnhookWindowsHookEx(host::HHook hhk) {
  return ::UnhookWindowsHookEx(reinterpret_cast<HHOOK>(hhk)) != 0;
}

host::LResult Win32WindowSystem::CallNextHookEx(host::HHook hhk, int nCode, host::WParam wParam, host::LParam lParam) {
  return ::CallNextHookEx(reinterpret_cast<HHOOK>(hhk), nCode, wParam, lParam);
}

std::uint32_t Win32WindowSystem::GetCurrentThreadId() { return ::GetCurrentThreadId(); }

std::uint32_t Win32WindowSystem::GetLastError() { return ::GetLastError(); }

std::uint32_t Win32WindowSystem::FormatMessageW(std::uint32_t dwFlags, std::uint32_t dwMessageId,
                                                std::uint32_t dwLanguageId, char16_t* lpBuffer, std::uint32_t nSize) {
  return ::FormatMessageW(dwFlags, nullptr, dwMessageId, dwLanguageId, reinterpret_cast<LPWSTR>(lpBuffer), nSize,
                          nullptr);
}

std::u16string Win32WindowSystem::GetModuleFileNameW() {
  // The module this code is linked into: the control's DLL inside a host, not the
  // host's program, so error sources name the component as a VB host expects.
  const HMODULE module = ThisModule();
  if (module == nullptr) return {};
  // The path may be longer than MAX_PATH; grow until it fits.
  std::u16string path(MAX_PATH, u'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(module, reinterpret_cast<LPWSTR>(path.data()), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace zelvane::win32
