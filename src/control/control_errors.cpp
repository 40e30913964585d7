#include "control/control_errors.h"

#include "core/automation_error.h"

namespace zelvane::control {

void RaiseInvalidListIndex() { throw core::AutomationError(kInvalidListIndex, kAppName, u"Invalid ListIndex"); }

void RaiseMaxCountNotPositive() {
  throw core::AutomationError(kMaxCountNotPositive, kAppName, u"MaxCount must be greater than zero");
}

}  // namespace zelvane::control
