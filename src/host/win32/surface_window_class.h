#pragma once
#include "host/win32/windows_api.h"

namespace zelvane::win32 {

inline constexpr wchar_t kSurfaceClassName[] = L"ZelvaneSurface";

/// Registers the surface's window class for this module unless it is registered
/// already (the system holds that state; the first call per module registers).
/// Raises an automation error when the class cannot be registered.
void EnsureSurfaceClass(WNDPROC windowProc);

/// The DLL calls this as it unloads: a DLL's window classes outlive it otherwise,
/// pointing at code that is gone. Fails quietly while surface windows still exist.
void UnregisterSurfaceClass() noexcept;

}  // namespace zelvane::win32
