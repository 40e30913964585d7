#pragma once
#include "host/control_owner.h"

namespace zelvane::sim {

/// An owner for pieces of a control built without a form (the drop-down, the
/// windows alone): it never closes them and only counts the holds.
class SimControlOwner final : public host::ControlOwner {
 public:
  void HoldControl() noexcept override { ++holds_; }
  void ReleaseControl() noexcept override { --holds_; }
  bool ControlClosed() const noexcept override { return false; }
  /// The holds of the code running now.
  int Holds() const { return holds_; }

 private:
  int holds_ = 0;
};

}  // namespace zelvane::sim
