#include "host/sim/memory_settings_store.h"

namespace zelvane::sim {

std::u16string MemorySettingsStore::GetSetting(std::u16string_view appName, std::u16string_view section,
                                               std::u16string_view key, std::u16string_view defaultValue) {
  ++gets_;
  return table_.Find(appName, section, key).value_or(std::u16string(defaultValue));
}

void MemorySettingsStore::SaveSetting(std::u16string_view appName, std::u16string_view section,
                                      std::u16string_view key, std::u16string_view value) {
  ++saves_;
  table_.Put(appName, section, key, value);
}

}  // namespace zelvane::sim
