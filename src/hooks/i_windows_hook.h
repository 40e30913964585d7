#pragma once
#include <cstdint>

#include "host/win_types.h"

namespace zelvane::hooks {

/// A client of the hook service. Setting bConsume stops the event (see
/// mWindowsHook for what that means per hook type).
class IWindowsHook {
 public:
  virtual ~IWindowsHook() = default;
  /// The service holds a counted reference on the client around its HookProc, so
  /// the client may be let go of, and destroyed, from inside it.
  virtual void AddRef() noexcept = 0;
  /// Ends the reference; the client may be gone afterwards.
  virtual void Release() noexcept = 0;
  virtual std::int32_t HookProc(std::int32_t nCode, host::WParam wParam, host::LParam lParam, bool& bConsume) = 0;
};

}  // namespace zelvane::hooks
