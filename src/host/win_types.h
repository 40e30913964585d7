#pragma once
#include <cstdint>

namespace zelvane::host {

// Pointer-sized like their Win32 namesakes, so one source is right in the 32-bit
// and the 64-bit DLL.
using Hwnd = std::uintptr_t;
using Hdc = std::uintptr_t;
using HHook = std::uintptr_t;
using HMonitor = std::uintptr_t;
using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;
using OleColor = std::uint32_t;

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const Point&) const = default;
};

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  bool operator==(const Rect&) const = default;
};

/// The layout of the system's MONITORINFO; the caller sets cbSize.
struct MonitorInfo {
  std::uint32_t cbSize = 0;
  Rect rcMonitor;
  Rect rcWork;  // the monitor less the task bar and docked tool bars
  std::uint32_t dwFlags = 0;
};

/// The layout of the system's MOUSEHOOKSTRUCT on the platform the code is built for.
struct MouseHookStruct {
  Point pt;
  Hwnd hwnd = 0;
  std::uint32_t wHitTestCode = 0;
  std::uintptr_t dwExtraInfo = 0;
};

/// The layout of the system's CWPSTRUCT: a message sent to a window, as a
/// WH_CALLWNDPROC hook receives it.
struct CwpStruct {
  LParam lParam = 0;
  WParam wParam = 0;
  std::uint32_t message = 0;
  Hwnd hwnd = 0;
};

/// Same contract as the system's PtInRect: right and bottom edges lie outside.
inline bool PtInRect(const Rect& r, Point p) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// The system calls hook procedures with its CALLBACK convention, which is stdcall
// only on 32-bit Windows; the portable procedures must carry it to be handed over.
#if defined(_WIN32) && !defined(_WIN64)
#define ZELVANE_CALLBACK __stdcall
#else
#define ZELVANE_CALLBACK
#endif

using HookProc = LResult(ZELVANE_CALLBACK*)(int nCode, WParam wParam, LParam lParam);

// The Win32 constants the portable code uses, with their documented values.
inline constexpr int GWL_EXSTYLE = -20;
inline constexpr int GWL_STYLE = -16;
inline constexpr std::intptr_t WS_EX_TOOLWINDOW = 0x80;
inline constexpr std::intptr_t WS_EX_APPWINDOW = 0x40000;
inline constexpr std::intptr_t WS_EX_RIGHT = 0x1000;
inline constexpr std::intptr_t WS_EX_RTLREADING = 0x2000;
inline constexpr std::intptr_t WS_EX_LEFTSCROLLBAR = 0x4000;
inline constexpr std::intptr_t ES_RIGHT = 0x2;
inline constexpr std::intptr_t WS_CHILD = 0x40000000;
inline constexpr std::intptr_t WS_POPUP = static_cast<std::intptr_t>(0x80000000u);
inline constexpr std::intptr_t WS_MINIMIZE = 0x20000000;
inline constexpr std::uint32_t GA_PARENT = 1;
inline constexpr std::uint32_t WM_ACTIVATEAPP = 0x1C;
inline constexpr std::uint32_t WM_WINDOWPOSCHANGED = 0x47;
inline constexpr std::uint32_t WM_MOUSEMOVE = 0x200;
inline constexpr std::uint32_t WM_LBUTTONDOWN = 0x201;
inline constexpr std::uint32_t WM_LBUTTONUP = 0x202;
inline constexpr std::uint32_t WM_LBUTTONDBLCLK = 0x203;
inline constexpr std::uint32_t WM_RBUTTONDOWN = 0x204;
inline constexpr std::uint32_t WM_RBUTTONUP = 0x205;
inline constexpr std::uint32_t WM_MBUTTONDOWN = 0x207;
inline constexpr std::uint32_t WM_MBUTTONUP = 0x208;
inline constexpr std::uint32_t WM_NCLBUTTONDOWN = 0xA1;
inline constexpr std::uint32_t WM_NCRBUTTONDOWN = 0xA4;
inline constexpr std::uint32_t WM_NCMBUTTONDOWN = 0xA7;
inline constexpr std::uint32_t LB_SETCURSEL = 0x186;
inline constexpr std::uint32_t LB_GETCURSEL = 0x188;
inline constexpr std::uint32_t LB_GETITEMHEIGHT = 0x1A1;
inline constexpr int LB_ERR = -1;
inline constexpr std::uint32_t DFC_SCROLL = 3;
inline constexpr std::uint32_t DFCS_SCROLLDOWN = 0x0001;
inline constexpr std::uint32_t DFCS_PUSHED = 0x0200;
inline constexpr std::uint32_t DFCS_ADJUSTRECT = 0x2000;
inline constexpr std::uint32_t DFCS_FLAT = 0x4000;
// Parts and states of the visual-style class "COMBOBOX" (vssym32.h).
inline constexpr int CP_DROPDOWNBUTTON = 1;
inline constexpr int CP_BORDER = 4;
inline constexpr int CP_DROPDOWNBUTTONRIGHT = 6;
inline constexpr int CP_DROPDOWNBUTTONLEFT = 7;
inline constexpr int CBXS_NORMAL = 1;
inline constexpr int CBXS_HOT = 2;
inline constexpr int CBXS_PRESSED = 3;
inline constexpr int CBXS_DISABLED = 4;
inline constexpr int CBB_NORMAL = 1;
inline constexpr int CBB_HOT = 2;
inline constexpr int CBB_FOCUSED = 3;
inline constexpr int CBB_DISABLED = 4;
inline constexpr std::uint32_t MONITOR_DEFAULTTONULL = 0;
inline constexpr std::uint32_t MONITOR_DEFAULTTOPRIMARY = 1;
inline constexpr std::uint32_t MONITOR_DEFAULTTONEAREST = 2;
inline constexpr std::uint32_t MONITORINFOF_PRIMARY = 1;
inline constexpr std::uint32_t FORMAT_MESSAGE_IGNORE_INSERTS = 0x200;
inline constexpr std::uint32_t FORMAT_MESSAGE_FROM_SYSTEM = 0x1000;
inline constexpr std::uint32_t GW_HWNDPREV = 3;
inline constexpr std::intptr_t SS_NOPREFIX = 0x80;
inline constexpr std::uint32_t EVENT_OBJECT_SHOW = 0x8002;
inline constexpr std::uint32_t EVENT_OBJECT_HIDE = 0x8003;
inline constexpr std::uint32_t EVENT_OBJECT_FOCUS = 0x8005;
inline constexpr std::uint32_t EVENT_OBJECT_SELECTION = 0x8006;
inline constexpr std::uint32_t EVENT_OBJECT_VALUECHANGE = 0x800E;
inline constexpr std::int32_t OBJID_WINDOW = 0;
inline constexpr std::int32_t OBJID_CLIENT = -4;
inline constexpr std::int32_t CHILDID_SELF = 0;

inline constexpr int WH_MSGFILTER = -1;
inline constexpr int WH_JOURNALRECORD = 0;
inline constexpr int WH_JOURNALPLAYBACK = 1;
inline constexpr int WH_KEYBOARD = 2;
inline constexpr int WH_GETMESSAGE = 3;
inline constexpr int WH_CALLWNDPROC = 4;
inline constexpr int WH_CBT = 5;
inline constexpr int WH_SYSMSGFILTER = 6;
inline constexpr int WH_MOUSE = 7;
inline constexpr int WH_HARDWARE = 8;
inline constexpr int WH_DEBUG = 9;
inline constexpr int WH_SHELL = 10;
inline constexpr int WH_FOREGROUNDIDLE = 11;
inline constexpr int WH_CALLWNDPROCRET = 12;
inline constexpr int WH_KEYBOARD_LL = 13;
inline constexpr int WH_MOUSE_LL = 14;

}  // namespace zelvane::host
