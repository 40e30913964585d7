#pragma once

namespace zelvane::host {

/// Lets every pending user-interface event run once (VB's DoEvents): input,
/// timer ticks and the host's handlers may run inside the call.
class MessageLoop {
 public:
  virtual ~MessageLoop() = default;
  virtual void DoEvents() = 0;
  /// A run of passes begins (a refill about to pass after each row). A loop that
  /// spaces its passes starts the spacing here, so a run that is over at once
  /// makes none.
  virtual void BeginPasses() = 0;
};

}  // namespace zelvane::host
