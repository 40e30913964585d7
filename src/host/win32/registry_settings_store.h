#pragma once
#include <optional>
#include <string>

#include "host/settings_store.h"

namespace zelvane::win32 {

/// VB's GetSetting/SaveSetting store: the value `key` (REG_SZ) of
/// HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<app>\<section>.
class RegistrySettingsStore final : public host::SettingsStore {
 public:
  /// A missing key or value, or a value that is no string, is none;
  /// REG_EXPAND_SZ reads as stored, unexpanded.
  std::optional<std::u16string> FindSetting(std::u16string_view appName, std::u16string_view section,
                                            std::u16string_view key) override;
  /// Creates the keys as needed. An empty application or section name, or a
  /// registry that refuses the write, is VB error 5.
  void SaveSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                   std::u16string_view value) override;
};

}  // namespace zelvane::win32
