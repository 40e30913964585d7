#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/sim/settings_table.h"

namespace zelvane::sim {

/// The settings file: UTF-8, a first line "zelvane-settings 1", then one line per
/// entry "app\tsection\tkey\tvalue" where backslash, tab, CR and LF inside a
/// field are written \\, \t, \r and \n. Every line ends with LF.
std::string FormatSettingsFile(const std::vector<SettingEntry>& entries);
/// Null for anything that is not exactly that format (wrong header, a line
/// without four fields, an unknown escape, malformed UTF-8, a missing final LF).
std::optional<std::vector<SettingEntry>> ParseSettingsFile(std::string_view content);

}  // namespace zelvane::sim
