#pragma once
#include "host/window_system.h"

namespace zelvane::win32 {

/// The window-system service on the real user32, kernel32 and comctl32, wide APIs.
class Win32WindowSystem : public host::WindowSystem {
 public:
  bool GetWindowRect(host::Hwnd hWnd, host::Rect* rect) override;
  bool GetCursorPos(host::Point* point) override;
  bool ScreenToClient(host::Hwnd hWnd, host::Point* point) override;
  host::LResult SendMessageW(host::Hwnd hWnd, std::uint32_t msg, host::WParam wParam, host::LParam lParam) override;
  int LBItemFromPt(host::Hwnd hLB, host::Point pt, bool bAutoScroll) override;
  std::intptr_t GetWindowLongPtrW(host::Hwnd hWnd, int nIndex) override;
  std::intptr_t SetWindowLongPtrW(host::Hwnd hWnd, int nIndex, std::intptr_t dwNewLong) override;
  bool MoveWindow(host::Hwnd hWnd, int X, int Y, int nWidth, int nHeight, bool bRepaint) override;
  host::Hwnd SetParent(host::Hwnd hWndChild, host::Hwnd hWndNewParent) override;
  host::Hwnd GetDesktopWindow() override;
  bool IsWindowVisible(host::Hwnd hWnd) override;
  bool IsIconic(host::Hwnd hWnd) override;
  host::Hwnd GetAncestor(host::Hwnd hwnd, std::uint32_t gaFlags) override;
  host::Hwnd GetWindow(host::Hwnd hWnd, std::uint32_t uCmd) override;
  std::uint32_t RealGetWindowClassW(host::Hwnd hwnd, char16_t* ptszClassName, std::uint32_t cchClassNameMax) override;
  int GetWindowTextLengthW(host::Hwnd hWnd) override;
  int GetWindowTextW(host::Hwnd hWnd, char16_t* lpString, int nMaxCount) override;
  void NotifyWinEvent(std::uint32_t event, host::Hwnd hwnd, std::int32_t idObject, std::int32_t idChild) override;
  bool DrawFrameControl(host::Hdc hdc, host::Rect* rect, std::uint32_t uType, std::uint32_t uState) override;
  host::HMonitor MonitorFromRect(const host::Rect* lprc, std::uint32_t dwFlags) override;
  bool GetMonitorInfoW(host::HMonitor hMonitor, host::MonitorInfo* lpmi) override;

  host::HHook SetWindowsHookExW(int idHook, host::HookProc lpfn, std::uintptr_t hmod, std::uint32_t dwThreadId) override;
  bool UnhookWindowsHookEx(host::HHook hhk) override;
  host::LResult CallNextHookEx(host::HHook hhk, int nCode, host::WParam wParam, host::LParam lParam) override;

  std::uint32_t GetCurrentThreadId() override;
  std::uint32_t GetLastError() override;
  std::uint32_t FormatMessageW(std::uint32_t dwFlags, std::uint32_t dwMessageId, std::uint32_t dwLanguageId,
                               char16_t* lpBuffer, std::uint32_t nSize) override;
  std::u16string GetModuleFileNameW() override;
};

}  // namespace zelvane::win32
