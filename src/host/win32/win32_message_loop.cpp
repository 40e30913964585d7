#include "host/win32/win32_message_loop.h"

#include "host/win32/windows_api.h"

namespace zelvane::win32 {

void Win32MessageLoop::DoEvents() {
  if (std::chrono::steady_clock::now() - lastLook_ < kLookInterval) return;
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  // Timed from the end: a long dispatch does not make the next pass look at once.
  lastLook_ = std::chrono::steady_clock::now();
}

}  // namespace zelvane::win32
