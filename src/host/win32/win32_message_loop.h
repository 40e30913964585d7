#pragma once
#include <chrono>

#include "host/message_loop.h"

namespace zelvane::win32 {

/// One pass of the thread's message loop: every message pending now is dispatched,
/// and nothing waits when none is. A WM_QUIT met on the way is posted again for
/// the host's own loop and ends the pass.
///
/// Looking at the queue is a round trip to the window server on some platforms
/// (tens of microseconds under Wine), which a filter that passes after each of
/// thousands of rows would pay thousands of times. So a pass looks at the queue
/// only when the last look is at least a millisecond old: far quicker than anyone
/// notices, and input still runs in the order it came. A run of passes counts its
/// first millisecond from its start: a refill begins right after the key that
/// asked for it, when all that waits is the text box's repaint of that key, which
/// may as well come after the list shows.
class Win32MessageLoop final : public host::MessageLoop {
 public:
  void DoEvents() override;
  void BeginPasses() override { lastLook_ = std::chrono::steady_clock::now(); }

 private:
  static constexpr std::chrono::microseconds kLookInterval{1000};
  std::chrono::steady_clock::time_point lastLook_{};
};

}  // namespace zelvane::win32
