#include "com/registry_key.h"

#include "com/com_failure.h"

namespace zelvane::com {
namespace {

void ThrowIfError(LSTATUS status) {
  if (status != ERROR_SUCCESS) throw ComFailure(HRESULT_FROM_WIN32(status));
}

}  // namespace

RegistryKey RegistryKey::Create(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  ThrowIfError(RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_READ | KEY_WRITE | DELETE, nullptr, &key, nullptr));
  return RegistryKey(key);
}

std::optional<RegistryKey> RegistryKey::Open(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  const LSTATUS status = RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | KEY_WRITE | DELETE, &key);
  if (status == ERROR_FILE_NOT_FOUND) return std::nullopt;
  ThrowIfError(status);
  return RegistryKey(key);
}

void RegistryKey::SetString(const std::wstring& name, const std::wstring& value) const {
  const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  ThrowIfError(RegSetValueExW(key_.get(), name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(value.c_str()), bytes));
}

std::vector<std::wstring> RegistryKey::SubKeyNames() const {
  std::vector<std::wstring> names;
  // Key names are at most 255 characters.
  wchar_t name[256];
  for (DWORD index = 0;; ++index) {
    DWORD length = 256;
    const LSTATUS status = RegEnumKeyExW(key_.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_NO_MORE_ITEMS) return names;
    ThrowIfError(status);
    names.emplace_back(name, length);
  }
}

void RegistryKey::DeleteTree(HKEY root, const std::wstring& path) {
  const LSTATUS status = RegDeleteTreeW(root, path.c_str());
  if (status != ERROR_FILE_NOT_FOUND) ThrowIfError(status);
}

bool RegistryKey::Exists(HKEY root, const std::wstring& path, REGSAM view) {
  win32::unique_hkey key;
  const LSTATUS status = RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | view, key.put());
  if (status == ERROR_FILE_NOT_FOUND) return false;
  ThrowIfError(status);
  return true;
}

}  // namespace zelvane::com
