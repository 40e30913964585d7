#pragma once
#include <cstdint>
#include <string>

#include "host/win_types.h"

// Where 32-bit <windows.h> came first, two member names below are macros by now.
#if defined(GetWindowLongPtrW) || defined(SetWindowLongPtrW)
#include "host/win32/window_long_ptr.h"
#endif

namespace zelvane::host {

/// The user32 and kernel32 calls that the drop-down, the hook service and the
/// control's list handling make, with the Win32 names and argument order so each
/// call can be checked against the platform documentation. Failures are reported
/// the Win32 way (0, false, LB_ERR), never by exceptions.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  virtual bool GetWindowRect(Hwnd hWnd, Rect* rect) = 0;
  virtual bool GetCursorPos(Point* point) = 0;
  virtual bool ScreenToClient(Hwnd hWnd, Point* point) = 0;
  virtual LResult SendMessageW(Hwnd hWnd, std::uint32_t msg, WParam wParam, LParam lParam) = 0;
  /// comctl32's LBItemFromPt: the row under a screen point, -1 if none.
  virtual int LBItemFromPt(Hwnd hLB, Point pt, bool bAutoScroll) = 0;
  virtual std::intptr_t GetWindowLongPtrW(Hwnd hWnd, int nIndex) = 0;
  virtual std::intptr_t SetWindowLongPtrW(Hwnd hWnd, int nIndex, std::intptr_t dwNewLong) = 0;
  virtual bool MoveWindow(Hwnd hWnd, int X, int Y, int nWidth, int nHeight, bool bRepaint) = 0;
  virtual Hwnd SetParent(Hwnd hWndChild, Hwnd hWndNewParent) = 0;
  virtual Hwnd GetDesktopWindow() = 0;
  virtual bool IsWindowVisible(Hwnd hWnd) = 0;
  virtual bool IsIconic(Hwnd hWnd) = 0;
  virtual Hwnd GetAncestor(Hwnd hwnd, std::uint32_t gaFlags) = 0;
  /// GW_HWNDPREV: the sibling just above in z-order (on Windows, the one created
  /// before it among child windows); 0 when there is none.
  virtual Hwnd GetWindow(Hwnd hWnd, std::uint32_t uCmd) = 0;
  /// The system class the window's class is built on (STATIC for a superclass of
  /// it); the characters copied, without the terminating null.
  virtual std::uint32_t RealGetWindowClassW(Hwnd hwnd, char16_t* ptszClassName, std::uint32_t cchClassNameMax) = 0;
  virtual int GetWindowTextLengthW(Hwnd hWnd) = 0;
  virtual int GetWindowTextW(Hwnd hWnd, char16_t* lpString, int nMaxCount) = 0;
  /// Tells accessibility clients (screen readers) that an object changed.
  virtual void NotifyWinEvent(std::uint32_t event, Hwnd hwnd, std::int32_t idObject, std::int32_t idChild) = 0;
  virtual bool DrawFrameControl(Hdc hdc, Rect* rect, std::uint32_t uType, std::uint32_t uState) = 0;
  /// The monitor holding the largest part of the rectangle; when none holds any of
  /// it, dwFlags decides (MONITOR_DEFAULTTONULL gives 0).
  virtual HMonitor MonitorFromRect(const Rect* lprc, std::uint32_t dwFlags) = 0;
  virtual bool GetMonitorInfoW(HMonitor hMonitor, MonitorInfo* lpmi) = 0;

  virtual HHook SetWindowsHookExW(int idHook, HookProc lpfn, std::uintptr_t hmod, std::uint32_t dwThreadId) = 0;
  virtual bool UnhookWindowsHookEx(HHook hhk) = 0;
  virtual LResult CallNextHookEx(HHook hhk, int nCode, WParam wParam, LParam lParam) = 0;

  virtual std::uint32_t GetCurrentThreadId() = 0;
  virtual std::uint32_t GetLastError() = 0;
  /// FormatMessageW without sources or inserts; returns the characters written.
  virtual std::uint32_t FormatMessageW(std::uint32_t dwFlags, std::uint32_t dwMessageId, std::uint32_t dwLanguageId,
                                       char16_t* lpBuffer, std::uint32_t nSize) = 0;
  /// The full path of the component's module (GetModuleFileNameW of the DLL or program
  /// this code is linked into).
  virtual std::u16string GetModuleFileNameW() = 0;
};

}  // namespace zelvane::host
