#include "host/sim/settings_file_format.h"

#include "core/utf.h"

namespace zelvane::sim {
namespace {

constexpr std::string_view kHeader = "zelvane-settings 1\n";

std::string Escape(std::u16string_view field) {
  std::string out;
  for (const char c : core::ToUtf8(field)) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default: out += c; break;
    }
  }
  return out;
}

std::optional<std::u16string> Unescape(std::string_view field) {
  std::string raw;
  for (std::size_t i = 0; i < field.size(); ++i) {
    const char c = field[i];
    if (c == '\r') return std::nullopt;
    if (c != '\\') {
      raw += c;
      continue;
    }
    if (++i == field.size()) return std::nullopt;
    switch (field[i]) {
      case '\\': raw += '\\'; break;
      case 't': raw += '\t'; break;
      case 'r': raw += '\r'; break;
      case 'n': raw += '\n'; break;
      default: return std::nullopt;
    }
  }
  std::u16string text = core::FromUtf8(raw);
  // Malformed UTF-8 would come back as replacement characters: the file is not ours.
  if (core::ToUtf8(text) != raw) return std::nullopt;
  return text;
}

std::optional<SettingEntry> ParseLine(std::string_view line) {
  std::optional<std::u16string> fields[4];
  for (int i = 0; i < 4; ++i) {
    const std::size_t tab = line.find('\t');
    if ((tab == std::string_view::npos) != (i == 3)) return std::nullopt;
    fields[i] = Unescape(line.substr(0, tab));
    if (!fields[i]) return std::nullopt;
    line = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
  }
  return SettingEntry{*fields[0], *fields[1], *fields[2], *fields[3]};
}

}  // namespace

std::string FormatSettingsFile(const std::vector<SettingEntry>& entries) {
  std::string out(kHeader);
  for (const auto& e : entries) {
    out += Escape(e.appName) + '\t' + Escape(e.section) + '\t' + Escape(e.key) + '\t' + Escape(e.value) + '\n';
  }
  return out;
}

std::optional<std::vector<SettingEntry>> ParseSettingsFile(std::string_view content) {
  if (content.substr(0, kHeader.size()) != kHeader) return std::nullopt;
  content.remove_prefix(kHeader.size());
  std::vector<SettingEntry> entries;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    auto entry = ParseLine(content.substr(0, end));
    if (!entry) return std::nullopt;
    entries.push_back(std::move(*entry));
    content.remove_prefix(end + 1);
  }
  return entries;
}

}  // namespace zelvane::sim
