#include "host/win32/registry_settings_store.h"

#include "core/vb_errors.h"
#include "host/win32/unique_handle.h"

#include <algorithm>
#include <climits>
#include <new>

namespace zelvane::win32 {
namespace {

constexpr char16_t kSettingsRoot[] = u"Software\\VB and VBA Program Settings\\";

std::u16string SectionPath(std::u16string_view appName, std::u16string_view section) {
  std::u16string path(kSettingsRoot);
  path += appName;
  path += u'\\';
  path += section;
  return path;
}

LPCWSTR Wide(const std::u16string& text) { return reinterpret_cast<LPCWSTR>(text.c_str()); }

}  // namespace

std::optional<std::u16string> RegistrySettingsStore::FindSetting(std::u16string_view appName,
                                                                std::u16string_view section,
                                                                std::u16string_view key) {
  const std::u16string path = SectionPath(appName, section);
  const std::u16string name(key);
  std::u16string value;
  // Expandable strings are taken as stored: the list holds what was saved.
  constexpr DWORD kStrings = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
  // The value can grow between asking for its size and reading it; ask again then.
  for (;;) {
    DWORD bytes = 0;
    LSTATUS status = ::RegGetValueW(HKEY_CURRENT_USER, Wide(path), Wide(name), kStrings, nullptr, nullptr, &bytes);
    if (status != ERROR_SUCCESS) return std::nullopt;
    value.assign(bytes / sizeof(char16_t) + 1, u'\0');
    bytes = static_cast<DWORD>(value.size() * sizeof(char16_t));
    status = ::RegGetValueW(HKEY_CURRENT_USER, Wide(path), Wide(name), kStrings, nullptr, value.data(), &bytes);
    if (status == ERROR_MORE_DATA) continue;
    if (status != ERROR_SUCCESS) return std::nullopt;
    // Other programs and .reg imports store strings without their final null, so
    // the size may count none: the text runs to the first null, or to the data's end.
    const std::size_t stored = std::min<std::size_t>(bytes / sizeof(char16_t), value.size());
    value.resize(std::min(value.find(u'\0'), stored));
    return value;
  }
}

void RegistrySettingsStore::SaveSetting(std::u16string_view appName, std::u16string_view section,
                                        std::u16string_view key, std::u16string_view value) {
  if (appName.empty() || section.empty()) core::RaiseVbError(core::VbError::InvalidArgument);
  if (value.size() >= static_cast<std::size_t>(INT_MAX) / sizeof(char16_t)) throw std::bad_alloc();
  const std::u16string path = SectionPath(appName, section);
  const std::u16string name(key);
  const std::u16string data(value);
  unique_hkey sectionKey;
  if (::RegCreateKeyExW(HKEY_CURRENT_USER, Wide(path), 0, nullptr, 0, KEY_SET_VALUE, nullptr, sectionKey.put(),
                        nullptr) != ERROR_SUCCESS)
    core::RaiseVbError(core::VbError::InvalidArgument);
  const auto bytes = static_cast<DWORD>((data.size() + 1) * sizeof(char16_t));
  if (::RegSetValueExW(sectionKey.get(), Wide(name), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()), bytes) !=
      ERROR_SUCCESS)
    core::RaiseVbError(core::VbError::InvalidArgument);
}

}  // namespace zelvane::win32
