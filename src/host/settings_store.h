#pragma once
#include <string>
#include <string_view>

namespace zelvane::host {

/// The per-user application settings store (VB's GetSetting/SaveSetting).
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  /// A missing or unreadable entry reads as the default.
  virtual std::u16string GetSetting(std::u16string_view appName, std::u16string_view section,
                                    std::u16string_view key, std::u16string_view defaultValue) = 0;
  virtual void SaveSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                           std::u16string_view value) = 0;
};

}  // namespace zelvane::host
