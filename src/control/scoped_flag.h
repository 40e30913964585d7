#pragma once

namespace zelvane::control {

/// Holds a busy flag set for its lifetime, so every way out of the guarded run,
/// an exception included, clears it again.
class ScopedFlag {
 public:
  explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~ScopedFlag() { flag_ = false; }
  ScopedFlag(const ScopedFlag&) = delete;
  ScopedFlag& operator=(const ScopedFlag&) = delete;

 private:
  bool& flag_;
};

}  // namespace zelvane::control
