#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "host/win32/unique_handle.h"

namespace zelvane::com {

/// Owns one open registry key; every failure throws ComFailure.
class RegistryKey {
 public:
  /// Opens or creates root\path for reading, writing and deleting below it.
  static RegistryKey Create(HKEY root, const std::wstring& path);
  /// Opens root\path the same way, or gives nothing when it is not there.
  static std::optional<RegistryKey> Open(HKEY root, const std::wstring& path);
  HKEY get() const { return key_.get(); }
  /// An empty name writes the key's default value.
  void SetString(const std::wstring& name, const std::wstring& value) const;
  /// The names of the key's direct subkeys.
  std::vector<std::wstring> SubKeyNames() const;

  /// Removes root\path with everything below it; a missing key is no error.
  static void DeleteTree(HKEY root, const std::wstring& path);
  /// Whether root\path is there in the registry view `view` (KEY_WOW64_32KEY or
  /// KEY_WOW64_64KEY).
  static bool Exists(HKEY root, const std::wstring& path, REGSAM view);

 private:
  explicit RegistryKey(HKEY key) : key_(key) {}
  win32::unique_hkey key_;
};

}  // namespace zelvane::com
