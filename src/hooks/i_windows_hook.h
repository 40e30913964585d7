#pragma once
#include <cstdint>

#include "host/win_types.h"

namespace zelvane::hooks {

/// A client of the hook service. Setting bConsume stops the event (see
/// mWindowsHook for what that means per hook type).
class IWindowsHook {
 public:
  virtual ~IWindowsHook() = default;
  virtual std::int32_t HookProc(std::int32_t nCode, host::WParam wParam, host::LParam lParam, bool& bConsume) = 0;
};

}  // namespace zelvane::hooks
