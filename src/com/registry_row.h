#pragma once
#include <string_view>

namespace zelvane::com {

/// The parts of the registration, which differ in who removes their keys.
enum class RegistryPart {
  Class,      // the class, in the registry view of the DLL's width
  Interface,  // the interfaces, in that view too
  Platform,   // the type library's file for this width
  TypeLib,    // the type library's version key, shared by both widths
  ProgId,     // the programmatic identifiers, shared by both widths
};

/// One key or value of the registration under Software\Classes.
struct RegistryRow {
  RegistryPart part;
  std::wstring_view key;
  /// Empty for the key's default value.
  std::wstring_view name;
  /// Null for a key without values; "$DLL" stands for the DLL's full path.
  const wchar_t* value;
};

/// The whole registration, made by the build from registry_rows.txt, from which the
/// Windows Installer packages take their Registry rows too.
inline constexpr RegistryRow kRegistryRows[] = {
#include "registry_rows.inc"
};

}  // namespace zelvane::com
