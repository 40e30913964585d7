// The portable types are handed to the system by address or by cast; these checks
// keep them bit-for-bit the system's on both Windows targets.
#include "host/win32/windows_api.h"

#include <cstddef>

namespace zelvane::win32 {

static_assert(sizeof(host::Hwnd) == sizeof(HWND));
static_assert(sizeof(host::HHook) == sizeof(HHOOK));
static_assert(sizeof(host::HMonitor) == sizeof(HMONITOR));
static_assert(sizeof(host::WParam) == sizeof(WPARAM));
static_assert(sizeof(host::LParam) == sizeof(LPARAM));
static_assert(sizeof(host::LResult) == sizeof(LRESULT));

static_assert(sizeof(host::Point) == sizeof(POINT));
static_assert(offsetof(host::Point, x) == offsetof(POINT, x));
static_assert(offsetof(host::Point, y) == offsetof(POINT, y));

static_assert(sizeof(host::Rect) == sizeof(RECT));
static_assert(offsetof(host::Rect, left) == offsetof(RECT, left));
static_assert(offsetof(host::Rect, top) == offsetof(RECT, top));
static_assert(offsetof(host::Rect, right) == offsetof(RECT, right));
static_assert(offsetof(host::Rect, bottom) == offsetof(RECT, bottom));

static_assert(sizeof(host::MonitorInfo) == sizeof(MONITORINFO));
static_assert(offsetof(host::MonitorInfo, cbSize) == offsetof(MONITORINFO, cbSize));
static_assert(offsetof(host::MonitorInfo, rcMonitor) == offsetof(MONITORINFO, rcMonitor));
static_assert(offsetof(host::MonitorInfo, rcWork) == offsetof(MONITORINFO, rcWork));
static_assert(offsetof(host::MonitorInfo, dwFlags) == offsetof(MONITORINFO, dwFlags));

static_assert(sizeof(host::MouseHookStruct) == sizeof(MOUSEHOOKSTRUCT));
static_assert(offsetof(host::MouseHookStruct, pt) == offsetof(MOUSEHOOKSTRUCT, pt));
static_assert(offsetof(host::MouseHookStruct, hwnd) == offsetof(MOUSEHOOKSTRUCT, hwnd));
static_assert(offsetof(host::MouseHookStruct, wHitTestCode) == offsetof(MOUSEHOOKSTRUCT, wHitTestCode));
static_assert(offsetof(host::MouseHookStruct, dwExtraInfo) == offsetof(MOUSEHOOKSTRUCT, dwExtraInfo));
static_assert(sizeof(host::CwpStruct) == sizeof(CWPSTRUCT));
static_assert(offsetof(host::CwpStruct, lParam) == offsetof(CWPSTRUCT, lParam));
static_assert(offsetof(host::CwpStruct, wParam) == offsetof(CWPSTRUCT, wParam));
static_assert(offsetof(host::CwpStruct, message) == offsetof(CWPSTRUCT, message));
static_assert(offsetof(host::CwpStruct, hwnd) == offsetof(CWPSTRUCT, hwnd));
#ifndef _WIN64
static_assert(sizeof(MOUSEHOOKSTRUCT) == 20, "the 32-bit record is five 32-bit fields");
#endif

static_assert(sizeof(char16_t) == sizeof(WCHAR));

}  // namespace zelvane::win32
