#pragma once
#include "host/message_loop.h"

namespace zelvane::win32 {

/// One pass of the thread's message loop: every message pending now is dispatched,
/// and nothing waits when none is. A WM_QUIT met on the way is posted again for
/// the host's own loop and ends the pass.
class Win32MessageLoop final : public host::MessageLoop {
 public:
  void DoEvents() override;
};

}  // namespace zelvane::win32
