#include "host/sim/memory_settings_store.h"

namespace zelvane::sim {

std::optional<std::u16string> MemorySettingsStore::FindSetting(std::u16string_view appName,
                                                              std::u16string_view section, std::u16string_view key) {
  ++gets_;
  return table_.Find(appName, section, key);
}

void MemorySettingsStore::SaveSetting(std::u16string_view appName, std::u16string_view section,
                                      std::u16string_view key, std::u16string_view value) {
  ++saves_;
  table_.Put(appName, section, key, value);
}

}  // namespace zelvane::sim
