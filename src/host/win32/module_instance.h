#pragma once
#include "host/win32/windows_api.h"

namespace zelvane::win32 {

/// The module this code is linked into (the control's DLL, or a test program),
/// without taking a reference on it.
HINSTANCE ThisModule() noexcept;

}  // namespace zelvane::win32
