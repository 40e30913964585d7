#pragma once
#include <windows.h>

#include <functional>

#include "window_class.h"

#include "host/win32/unique_handle.h"

namespace zelvane::demo {

/// The benchmark's top-level window. Its timer ticks are dispatched by whichever
/// message loop runs, the control's own passes during a filter included, which is
/// how the benchmark acts in the middle of a fill.
class ProbeWindow {
 public:
  ProbeWindow();

  HWND get() const { return window_.get(); }
  /// Calls `tick` every `milliseconds` until StopTicking.
  void StartTicking(unsigned milliseconds, std::function<void()> tick);
  void StopTicking();

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  WindowClass class_;
  win32::unique_hwnd window_;
  std::function<void()> tick_;
};

/// Posts a key press and release to a window, as the input queue would deliver them;
/// the message loop's TranslateMessage makes the character.
void PostKey(HWND target, WORD vk);

}  // namespace zelvane::demo
