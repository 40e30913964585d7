#pragma once
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/settings_store.h"
#include "host/sim/settings_table.h"

namespace zelvane::sim {

/// Settings kept in one UTF-8 file (format: settings_file_format.h), read afresh
/// at every call. A save writes a temporary file beside the old one, flushes it
/// and renames it over the old one, so a crash leaves either file whole. A
/// missing, unreadable or corrupt file reads as no entries and is left as it is
/// until the next save replaces it. A failed save raises VB error 75 and leaves
/// the old file in place.
class FileSettingsStore final : public host::SettingsStore {
 public:
  explicit FileSettingsStore(std::filesystem::path file);

  std::optional<std::u16string> FindSetting(std::u16string_view appName, std::u16string_view section,
                                            std::u16string_view key) override;
  void SaveSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                   std::u16string_view value) override;

  const std::filesystem::path& Path() const { return file_; }
  /// The entries the file holds now (none when it is missing or corrupt).
  std::vector<SettingEntry> Entries() const;

 private:
  SettingsTable Load() const;
  void Store(const SettingsTable& table) const;

  std::filesystem::path file_;
};

}  // namespace zelvane::sim
