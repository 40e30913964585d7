#include "com/type_library_keys.h"

#include <algorithm>
#include <cwctype>
#include <optional>
#include <utility>

#include "com/registry_key.h"

namespace zelvane::com {
namespace {

// Everything before the last backslash, and what follows it.
std::pair<std::wstring_view, std::wstring_view> SplitLast(std::wstring_view path) {
  const auto at = path.rfind(L'\\');
  if (at == std::wstring_view::npos) return {{}, path};
  return {path.substr(0, at), path.substr(at + 1)};
}

bool IsHex(std::wstring_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](wchar_t c) { return std::iswxdigit(c) != 0; });
}

// A version key's name, major.minor in hexadecimal as Windows writes it.
std::optional<std::pair<unsigned long, unsigned long>> ParseVersion(std::wstring_view text) {
  const auto dot = text.find(L'.');
  if (dot == std::wstring_view::npos || !IsHex(text.substr(0, dot)) || !IsHex(text.substr(dot + 1))) return {};
  const std::wstring major(text.substr(0, dot));
  const std::wstring minor(text.substr(dot + 1));
  return std::pair{std::wcstoul(major.c_str(), nullptr, 16), std::wcstoul(minor.c_str(), nullptr, 16)};
}

// Besides the locale keys (hexadecimal LCIDs), a version key holds FLAGS and HELPDIR.
bool HasLocaleKeys(const RegistryKey& version) {
  const auto names = version.SubKeyNames();
  return std::any_of(names.begin(), names.end(), [](const std::wstring& name) { return IsHex(name); });
}

}  // namespace

TypeLibraryKeys::TypeLibraryKeys(HKEY classes, std::wstring_view fileKey) : classes_(classes) {
  const auto [localeKey, width] = SplitLast(fileKey);
  const auto [versionKey, locale] = SplitLast(localeKey);
  const auto [library, version] = SplitLast(versionKey);
  library_ = library;
  version_ = version;
  width_ = width;
}

void TypeLibraryKeys::RemoveOlderVersions() const {
  const auto library = RegistryKey::Open(classes_, library_);
  if (!library) return;
  const auto ours = ParseVersion(version_);
  for (const std::wstring& version : library->SubKeyNames()) {
    const auto theirs = ParseVersion(version);
    if (theirs && ours && *theirs < *ours) RemoveWidthFrom(version);
  }
}

void TypeLibraryKeys::RemoveThisWidth() const {
  RemoveWidthFrom(version_);
  const auto library = RegistryKey::Open(classes_, library_);
  if (library && library->SubKeyNames().empty()) RegistryKey::DeleteTree(classes_, library_);
}

void TypeLibraryKeys::RemoveWidthFrom(const std::wstring& version) const {
  const std::wstring versionPath = library_ + L"\\" + version;
  const auto versionKey = RegistryKey::Open(classes_, versionPath);
  if (!versionKey) return;
  for (const std::wstring& locale : versionKey->SubKeyNames()) {
    if (!IsHex(locale)) continue;
    RegistryKey::DeleteTree(versionKey->get(), locale + L"\\" + width_);
    const auto localeKey = RegistryKey::Open(versionKey->get(), locale);
    if (localeKey && localeKey->SubKeyNames().empty()) RegistryKey::DeleteTree(versionKey->get(), locale);
  }
  if (!HasLocaleKeys(*versionKey)) RegistryKey::DeleteTree(classes_, versionPath);
}

}  // namespace zelvane::com
