#include "host/sim/file_settings_store.h"

#include <fstream>
#include <iterator>
#include <system_error>

#include "core/vb_errors.h"
#include "host/sim/settings_file_format.h"

namespace zelvane::sim {

FileSettingsStore::FileSettingsStore(std::filesystem::path file) : file_(std::move(file)) {}

SettingsTable FileSettingsStore::Load() const {
  SettingsTable table;
  std::ifstream in(file_, std::ios::binary);
  if (!in) return table;
  const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return table;
  if (const auto entries = ParseSettingsFile(content)) {
    for (const auto& e : *entries) table.Put(e.appName, e.section, e.key, e.value);
  }
  return table;
}

void FileSettingsStore::Store(const SettingsTable& table) const {
  // Written beside the old file so the rename stays on one file system and
  // replaces it in one step.
  std::filesystem::path temporary = file_;
  temporary += ".tmp";
  const std::string content = FormatSettingsFile(table.Entries());
  bool written = false;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    out.flush();
    written = out.good();
  }
  std::error_code error;
  if (written) std::filesystem::rename(temporary, file_, error);
  if (!written || error) {
    std::filesystem::remove(temporary, error);
    core::RaiseVbError(core::VbError::PathFileAccess);
  }
}

std::optional<std::u16string> FileSettingsStore::FindSetting(std::u16string_view appName,
                                                            std::u16string_view section, std::u16string_view key) {
  return Load().Find(appName, section, key);
}

void FileSettingsStore::SaveSetting(std::u16string_view appName, std::u16string_view section,
                                    std::u16string_view key, std::u16string_view value) {
  SettingsTable table = Load();
  table.Put(appName, section, key, value);
  Store(table);
}

std::vector<SettingEntry> FileSettingsStore::Entries() const { return Load().Entries(); }

}  // namespace zelvane::sim
