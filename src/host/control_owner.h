#pragma once

namespace zelvane::host {

/// What owns one control and its windows (the COM object, a test's form). A host
/// may close and let go of the control from inside any event it raises; the
/// window procedures, timer and hook callbacks and the control's own handlers hold
/// it meanwhile, so it goes only once the outermost of them has returned.
class ControlOwner {
 public:
  /// Keeps the control and its windows alive until the matching ReleaseControl.
  virtual void HoldControl() noexcept = 0;
  /// Ends one hold. The last may destroy the control: the caller touches nothing
  /// of it afterwards.
  virtual void ReleaseControl() noexcept = 0;
  /// The host has closed the control or let go of it: no more events reach the
  /// host, and a handler skips the steps it had left.
  virtual bool ControlClosed() const noexcept = 0;

 protected:
  ~ControlOwner() = default;
};

}  // namespace zelvane::host
