#pragma once
#include <cstdint>
#include <string>

#include "host/window_system.h"

namespace zelvane::hooks {

/// 0x80040000 (component-defined errors) + 1049.
inline constexpr std::int32_t kHookErrorNumber = static_cast<std::int32_t>(0x80040419u);

/// The running executable's file name without folder and extension.
std::u16string ExecutableName(host::WindowSystem& windows);

[[noreturn]] void RaiseUnsupportedHookType(host::WindowSystem& windows);
/// Raises with the system's text for the given Win32 error code.
[[noreturn]] void RaiseHookInstallFailed(host::WindowSystem& windows, std::uint32_t lastError);
/// VB's error 5 for a hook type outside -1..14.
[[noreturn]] void RaiseHookTypeOutOfRange(host::WindowSystem& windows);

}  // namespace zelvane::hooks
