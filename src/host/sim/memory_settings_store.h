#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "host/settings_store.h"
#include "host/sim/settings_table.h"

namespace zelvane::sim {

/// Settings kept in memory for one test.
class MemorySettingsStore final : public host::SettingsStore {
 public:
  std::optional<std::u16string> FindSetting(std::u16string_view appName, std::u16string_view section,
                                            std::u16string_view key) override;
  void SaveSetting(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                   std::u16string_view value) override;

  const SettingsTable& Table() const { return table_; }
  SettingsTable& Table() { return table_; }
  int GetCount() const { return gets_; }
  int SaveCount() const { return saves_; }

 private:
  SettingsTable table_;
  int gets_ = 0;
  int saves_ = 0;
};

}  // namespace zelvane::sim
