#pragma once
#include <windows.h>

namespace zelvane::com {

/// Where a registration goes: the machine (HKLM\Software\Classes, what HKCR
/// shows to everyone) or the current user only (HKCU\Software\Classes).
enum class RegistrationScope { Machine, User };

/// Writes the class, its interfaces, programmatic identifiers and type library (the
/// rows of registry_rows.txt), after removing this width from older versions of the
/// type library; throws ComFailure on the first failing step.
void RegisterServer(RegistrationScope scope);
/// Removes every key RegisterServer writes, but leaves the ProgID keys while the
/// other width's class is registered and the type library's version key while the
/// other width's file is registered under it; keys already gone are no error.
void UnregisterServer(RegistrationScope scope);

}  // namespace zelvane::com
