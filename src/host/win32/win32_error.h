#pragma once
#include <string_view>

namespace zelvane::win32 {

/// Raises the calling thread's last system error as an automation error: the
/// number is its HRESULT, the description the system's message text, prefixed by
/// the failing call's name.
[[noreturn]] void RaiseLastError(std::u16string_view failedCall);

}  // namespace zelvane::win32
