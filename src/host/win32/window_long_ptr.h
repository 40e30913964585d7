#pragma once
// 32-bit <windows.h> makes GetWindowLongPtrW and SetWindowLongPtrW macros for
// GetWindowLongW and SetWindowLongW. As macros they would also rename the
// WindowSystem members of those names, so here they become functions: the system
// calls and the members then keep one name in the 32-bit and the 64-bit build.
#include <windows.h>

#ifdef GetWindowLongPtrW
#undef GetWindowLongPtrW
inline LONG_PTR GetWindowLongPtrW(HWND hWnd, int nIndex) { return ::GetWindowLongW(hWnd, nIndex); }
#endif

#ifdef SetWindowLongPtrW
#undef SetWindowLongPtrW
inline LONG_PTR SetWindowLongPtrW(HWND hWnd, int nIndex, LONG_PTR dwNewLong) {
  return ::SetWindowLongW(hWnd, nIndex, dwNewLong);
}
#endif
