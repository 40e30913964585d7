#include "host/sim/settings_table.h"

#include <algorithm>

#include "core/upper_case.h"

namespace zelvane::sim {
namespace {

bool SameName(std::u16string_view a, std::u16string_view b) {
  return a.size() == b.size() && core::ToUpperPortable(a) == core::ToUpperPortable(b);
}

}  // namespace

std::vector<SettingEntry>::const_iterator SettingsTable::Locate(std::u16string_view appName,
                                                                std::u16string_view section,
                                                                std::u16string_view key) const {
  return std::find_if(entries_.begin(), entries_.end(), [&](const SettingEntry& e) {
    return SameName(e.key, key) && SameName(e.section, section) && SameName(e.appName, appName);
  });
}

std::optional<std::u16string> SettingsTable::Find(std::u16string_view appName, std::u16string_view section,
                                                  std::u16string_view key) const {
  const auto it = Locate(appName, section, key);
  if (it == entries_.end()) return std::nullopt;
  return it->value;
}

void SettingsTable::Put(std::u16string_view appName, std::u16string_view section, std::u16string_view key,
                        std::u16string_view value) {
  const auto it = Locate(appName, section, key);
  if (it == entries_.end()) {
    entries_.push_back({std::u16string(appName), std::u16string(section), std::u16string(key), std::u16string(value)});
  } else {
    entries_[static_cast<std::size_t>(it - entries_.begin())].value = value;
  }
}

bool SettingsTable::Remove(std::u16string_view appName, std::u16string_view section, std::u16string_view key) {
  const auto it = Locate(appName, section, key);
  if (it == entries_.end()) return false;
  entries_.erase(it);
  return true;
}

}  // namespace zelvane::sim
