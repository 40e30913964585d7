#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace zelvane::host {

/// The per-user application settings store (VB's GetSetting/SaveSetting).
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  /// The entry as stored now; none when it is missing or cannot be read, so a
  /// caller that must not take a failed read for an empty entry can tell.
  virtual std::optional<std::u16string> FindSetting(std::u16string_view appName, std::u16string_view section,
                                                    std::u16string_view key) = 0;
  virtual void SaveSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                           std::u16string_view value) = 0;

  /// A missing or unreadable entry reads as the default.
  std::u16string GetSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                            std::u16string_view defaultValue) {
    return FindSetting(appName, section, key).value_or(std::u16string(defaultValue));
  }
};

}  // namespace zelvane::host
