#pragma once

namespace zelvane::host {

/// Lets every pending user-interface event run once (VB's DoEvents): input,
/// timer ticks and the host's handlers may run inside the call.
class MessageLoop {
 public:
  virtual ~MessageLoop() = default;
  virtual void DoEvents() = 0;
};

}  // namespace zelvane::host
