#include "probe_window.h"

#include "com_error.h"

namespace zelvane::demo {

namespace {
constexpr UINT_PTR kTimerId = 1;
}

ProbeWindow::ProbeWindow() : class_(L"ZelvaneLatencyProbe", &ProbeWindow::Procedure) {
  HWND hwnd = CreateTopLevelWindow(class_, L"ZelvaneTextBox latency", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                   {40, 40, 560, 360}, this);
  window_.reset(hwnd);
  ::ShowWindow(hwnd, SW_SHOWNORMAL);
  ::UpdateWindow(hwnd);
  ::SetForegroundWindow(hwnd);
}

void ProbeWindow::StartTicking(unsigned milliseconds, std::function<void()> tick) {
  tick_ = std::move(tick);
  if (!::SetTimer(window_.get(), kTimerId, milliseconds, nullptr)) ThrowLastError("SetTimer");
}

void ProbeWindow::StopTicking() {
  ::KillTimer(window_.get(), kTimerId);
  tick_ = nullptr;
}

LRESULT CALLBACK ProbeWindow::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lp);
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<ProbeWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (msg == WM_TIMER && wp == kTimerId && self && self->tick_) {
    try {
      // A copy: the tick may stop the ticking, which drops the stored callback.
      auto tick = self->tick_;
      tick();
    } catch (...) {
      self->StopTicking();
    }
    return 0;
  }
  return ::DefWindowProcW(hwnd, msg, wp, lp);
}

void PostKey(HWND target, WORD vk) {
  auto scan = static_cast<LPARAM>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
  ::PostMessageW(target, WM_KEYDOWN, vk, scan | 1);
  ::PostMessageW(target, WM_KEYUP, vk, scan | 1 | (LPARAM{1} << 30) | (LPARAM{1} << 31));
}

}  // namespace zelvane::demo
