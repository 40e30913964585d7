#include "host/win32/win32_message_loop.h"

#include "host/win32/windows_api.h"

namespace zelvane::win32 {

void Win32MessageLoop::DoEvents() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

}  // namespace zelvane::win32
