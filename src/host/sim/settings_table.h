#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvane::sim {

/// One stored setting.
struct SettingEntry {
  std::u16string appName;
  std::u16string section;
  std::u16string key;
  std::u16string value;
  bool operator==(const SettingEntry&) const = default;
};

/// Settings in first-written order. Application, section and key names compare
/// without regard to letter case, as the registry's do; an entry keeps the
/// spelling of its first write.
class SettingsTable {
 public:
  std::optional<std::u16string> Find(std::u16string_view appName, std::u16string_view section,
                                     std::u16string_view key) const;
  void Put(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
           std::u16string_view value);
  bool Remove(std::u16string_view appName, std::u16string_view section, std::u16string_view key);
  const std::vector<SettingEntry>& Entries() const { return entries_; }
  void Clear() { entries_.clear(); }

 private:
  std::vector<SettingEntry>::const_iterator Locate(std::u16string_view appName, std::u16string_view section,
                                                   std::u16string_view key) const;

  std::vector<SettingEntry> entries_;
};

}  // namespace zelvane::sim
