#pragma once
#include <cstdint>

namespace zelvane::sim {

// Win32 values the simulated desktop uses beyond those the portable code needs
// (host/win_types.h), with their documented numbers.
inline constexpr std::intptr_t WS_VISIBLE = 0x10000000;
inline constexpr std::intptr_t WS_DISABLED = 0x08000000;

inline constexpr std::uint32_t WM_KEYDOWN = 0x100;
inline constexpr std::uint32_t WM_KEYUP = 0x101;
inline constexpr std::uint32_t WM_CHAR = 0x102;
inline constexpr std::uint32_t WM_RBUTTONDBLCLK = 0x206;
inline constexpr std::uint32_t WM_MBUTTONDBLCLK = 0x209;
inline constexpr std::uint32_t WM_NCMOUSEMOVE = 0xA0;
inline constexpr std::uint32_t WM_NCLBUTTONUP = 0xA2;
inline constexpr std::uint32_t WM_NCLBUTTONDBLCLK = 0xA3;
inline constexpr std::uint32_t WM_NCRBUTTONUP = 0xA5;
inline constexpr std::uint32_t WM_NCMBUTTONUP = 0xA8;

inline constexpr std::uint32_t LB_GETCOUNT = 0x18B;
inline constexpr std::uint32_t LB_GETTOPINDEX = 0x18E;
inline constexpr std::uint32_t LB_SETTOPINDEX = 0x197;

inline constexpr int HC_ACTION = 0;
inline constexpr std::uint32_t HTCLIENT = 1;
inline constexpr std::uint32_t HTBORDER = 18;

// Mouse buttons as VB numbers them (and as the sim's injection methods take them).
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// VB's Shift argument bits.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// Virtual keys the sim's edit and list controls act on.
inline constexpr int VK_BACK = 8;
inline constexpr int VK_TAB = 9;
inline constexpr int VK_RETURN = 13;
inline constexpr int VK_ESCAPE = 27;
inline constexpr int VK_SPACE = 32;
inline constexpr int VK_END = 35;
inline constexpr int VK_HOME = 36;
inline constexpr int VK_LEFT = 37;
inline constexpr int VK_UP = 38;
inline constexpr int VK_RIGHT = 39;
inline constexpr int VK_DOWN = 40;
inline constexpr int VK_DELETE = 46;
inline constexpr int VK_F4 = 115;
inline constexpr int VK_PACKET = 0xE7;

// Win32 error codes the desktop sets as the thread's last error.
inline constexpr std::uint32_t ERROR_SUCCESS = 0;
inline constexpr std::uint32_t ERROR_ACCESS_DENIED = 5;
inline constexpr std::uint32_t ERROR_NOT_ENOUGH_MEMORY = 8;
inline constexpr std::uint32_t ERROR_INVALID_PARAMETER = 87;
inline constexpr std::uint32_t ERROR_INSUFFICIENT_BUFFER = 122;
inline constexpr std::uint32_t ERROR_MR_MID_NOT_FOUND = 317;
inline constexpr std::uint32_t ERROR_INVALID_WINDOW_HANDLE = 1400;
inline constexpr std::uint32_t ERROR_INVALID_HOOK_HANDLE = 1404;
inline constexpr std::uint32_t ERROR_INVALID_HOOK_FILTER = 1426;
inline constexpr std::uint32_t ERROR_INVALID_FILTER_PROC = 1427;
inline constexpr std::uint32_t ERROR_HOOK_NEEDS_HMOD = 1428;
inline constexpr std::uint32_t ERROR_INVALID_MONITOR_HANDLE = 1461;

}  // namespace zelvane::sim
