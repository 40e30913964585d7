#include "com/server_registration.h"

#include <windows.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "com/misc_status.h"
#include "com/registry_key.h"
#include "com/registry_row.h"
#include "com/server_module.h"
#include "com/type_library_keys.h"

namespace zelvane::com {
namespace {

constexpr wchar_t kClasses[] = L"Software\\Classes";
constexpr std::wstring_view kDllPath = L"$DLL";
// 64-bit Windows keeps the CLSID keys per registry view (32-bit programs see their
// own) but shares the ProgID and TypeLib keys between the views.
constexpr REGSAM kOtherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;

// The rows are written as text; the class's MiscStatus must be the one it reports.
constexpr bool IsDecimal(std::wstring_view text, unsigned long number) {
  for (auto digit = text.rbegin(); digit != text.rend(); ++digit, number /= 10) {
    if (*digit != static_cast<wchar_t>(L'0' + number % 10)) return false;
  }
  return !text.empty() && number == 0;
}
constexpr bool RowsHoldMiscStatus() {
  for (const RegistryRow& row : kRegistryRows) {
    if (row.key.ends_with(L"\\MiscStatus\\1")) return IsDecimal(row.value, kMiscStatus);
  }
  return false;
}
static_assert(RowsHoldMiscStatus(), "registry_rows.txt must hold kMiscStatus under MiscStatus\\1");

HKEY ScopeRoot(RegistrationScope scope) {
  return scope == RegistrationScope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

RegistryKey ClassesRoot(RegistrationScope scope) { return RegistryKey::Create(ScopeRoot(scope), kClasses); }

bool IsUnder(std::wstring_view key, std::wstring_view top) {
  return key.starts_with(top) && (key.size() == top.size() || key[top.size()] == L'\\');
}

// The keys of one part that no other key of it lies under: removing them removes the part.
std::vector<std::wstring_view> TopKeys(RegistryPart part) {
  std::vector<std::wstring_view> tops;
  for (const RegistryRow& row : kRegistryRows) {
    if (row.part != part) continue;
    if (std::none_of(tops.begin(), tops.end(), [&row](std::wstring_view top) { return IsUnder(row.key, top); })) {
      tops.push_back(row.key);
    }
  }
  return tops;
}

void DeletePart(HKEY classes, RegistryPart part) {
  for (const std::wstring_view key : TopKeys(part)) RegistryKey::DeleteTree(classes, std::wstring(key));
}

std::wstring WithDllPath(std::wstring value, const std::wstring& dllPath) {
  for (auto at = value.find(kDllPath); at != std::wstring::npos; at = value.find(kDllPath, at + dllPath.size())) {
    value.replace(at, kDllPath.size(), dllPath);
  }
  return value;
}

TypeLibraryKeys TypeLibrary(HKEY classes) { return TypeLibraryKeys(classes, TopKeys(RegistryPart::Platform).front()); }

}  // namespace

void RegisterServer(RegistrationScope scope) {
  const std::wstring dllPath = ServerModule::Instance().Path();
  const RegistryKey classes = ClassesRoot(scope);
  // An older version of this width would stay listed beside this one (and after
  // this one is removed) in the hosts' lists of type libraries.
  TypeLibrary(classes.get()).RemoveOlderVersions();
  for (const RegistryRow& row : kRegistryRows) {
    const RegistryKey key = RegistryKey::Create(classes.get(), std::wstring(row.key));
    if (row.value) key.SetString(std::wstring(row.name), WithDllPath(row.value, dllPath));
  }
}

void UnregisterServer(RegistrationScope scope) {
  const RegistryKey classes = ClassesRoot(scope);
  DeletePart(classes.get(), RegistryPart::Class);
  DeletePart(classes.get(), RegistryPart::Interface);
  // The other width's class still needs the shared ProgID keys; the last width to go
  // removes them.
  const std::wstring classKey = std::wstring(kClasses) + L"\\" + std::wstring(TopKeys(RegistryPart::Class).front());
  if (!RegistryKey::Exists(ScopeRoot(scope), classKey, kOtherView)) DeletePart(classes.get(), RegistryPart::ProgId);
  TypeLibrary(classes.get()).RemoveThisWidth();
}

}  // namespace zelvane::com
