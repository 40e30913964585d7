#pragma once
#include "host/control_owner.h"

namespace zelvane::host {

/// One hold on a control for the length of a scope. Only the owner is kept, so
/// the release at the end may destroy the object whose code declared the hold.
class ControlHold {
 public:
  explicit ControlHold(ControlOwner& owner) noexcept : owner_(owner) { owner_.HoldControl(); }
  ~ControlHold() { owner_.ReleaseControl(); }
  ControlHold(const ControlHold&) = delete;
  ControlHold& operator=(const ControlHold&) = delete;

 private:
  ControlOwner& owner_;
};

}  // namespace zelvane::host
