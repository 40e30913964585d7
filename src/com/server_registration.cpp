#include "com/server_registration.h"

#include <windows.h>
#include <oleauto.h>

#include <string>

#include "com/com_failure.h"
#include "com/misc_status.h"
#include "host/win32/com_ptr.h"
#include "com/registry_key.h"
#include "com/server_module.h"
#include "zelvane_text_box.h"
#include "zelvane_version.h"

// oleaut32 exports these (Vista on), but the MinGW headers do not declare them.
extern "C" HRESULT WINAPI RegisterTypeLibForUser(ITypeLib* lib, OLECHAR* path, OLECHAR* helpDir);
extern "C" HRESULT WINAPI UnRegisterTypeLibForUser(REFGUID libId, WORD major, WORD minor, LCID lcid, SYSKIND kind);

namespace zelvane::com {

using win32::com_ptr;
namespace {

constexpr wchar_t kClassName[] = L"Zelvane Class";
constexpr wchar_t kProgId[] = L"ZelvaneTextBox.Zelvane.1";
constexpr wchar_t kIndependentProgId[] = L"ZelvaneTextBox.Zelvane";
// CATID_Control: the class is offered in containers' lists of controls.
constexpr wchar_t kCatidControl[] = L"{40FC6ED4-2438-11CF-A3DB-080036F12502}";
// The type library's version, which is the project's major.minor.
constexpr WORD kMajorVersion = ZELVANE_VERSION_MAJOR;
constexpr WORD kMinorVersion = ZELVANE_VERSION_MINOR;
constexpr LCID kTypeLibLocale = 0x409;

std::wstring GuidText(REFGUID guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return text;
}

constexpr wchar_t kClasses[] = L"Software\\Classes";
// 64-bit Windows keeps the CLSID keys per registry view (32-bit programs see their
// own) but shares the ProgID keys between the views.
constexpr REGSAM kOtherView = sizeof(void*) == 8 ? KEY_WOW64_32KEY : KEY_WOW64_64KEY;

HKEY ScopeRoot(RegistrationScope scope) {
  return scope == RegistrationScope::Machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

RegistryKey ClassesRoot(RegistrationScope scope) { return RegistryKey::Create(ScopeRoot(scope), kClasses); }

std::wstring ClassKeyPath() { return L"CLSID\\" + GuidText(CLSID_Zelvane); }

void WriteClassKeys(HKEY root, const std::wstring& dllPath) {
  const RegistryKey cls = RegistryKey::Create(root, ClassKeyPath());
  cls.SetString(L"", kClassName);
  const RegistryKey server = cls.CreateSubKey(L"InprocServer32");
  server.SetString(L"", dllPath);
  server.SetString(L"ThreadingModel", L"Apartment");
  cls.CreateSubKey(L"ProgID").SetString(L"", kProgId);
  cls.CreateSubKey(L"VersionIndependentProgID").SetString(L"", kIndependentProgId);
  cls.CreateSubKey(L"Control");
  cls.CreateSubKey(L"ToolboxBitmap32").SetString(L"", dllPath + L", 1");
  const RegistryKey misc = cls.CreateSubKey(L"MiscStatus");
  misc.SetString(L"", L"0");
  misc.CreateSubKey(L"1").SetString(L"", std::to_wstring(kMiscStatus));
  cls.CreateSubKey(L"TypeLib").SetString(L"", GuidText(LIBID_ZelvaneTextBox));
  cls.CreateSubKey(L"Version").SetString(L"", std::to_wstring(kMajorVersion) + L"." + std::to_wstring(kMinorVersion));
  cls.CreateSubKey(L"Implemented Categories\\" + std::wstring(kCatidControl));
}

void WriteProgIdKeys(HKEY root) {
  const RegistryKey versioned = RegistryKey::Create(root, kProgId);
  versioned.SetString(L"", kClassName);
  versioned.CreateSubKey(L"CLSID").SetString(L"", GuidText(CLSID_Zelvane));
  const RegistryKey independent = RegistryKey::Create(root, kIndependentProgId);
  independent.SetString(L"", kClassName);
  independent.CreateSubKey(L"CLSID").SetString(L"", GuidText(CLSID_Zelvane));
  independent.CreateSubKey(L"CurVer").SetString(L"", kProgId);
}

SYSKIND ThisSysKind() { return sizeof(void*) == 8 ? SYS_WIN64 : SYS_WIN32; }

void RegisterTypeLibrary(RegistrationScope scope, const std::wstring& dllPath) {
  com_ptr<ITypeLib> lib;
  ThrowIfFailed(LoadTypeLibEx(dllPath.c_str(), REGKIND_NONE, lib.put()));
  auto* path = const_cast<OLECHAR*>(dllPath.c_str());
  ThrowIfFailed(scope == RegistrationScope::Machine ? RegisterTypeLib(lib.get(), path, nullptr)
                                                    : RegisterTypeLibForUser(lib.get(), path, nullptr));
}

void UnregisterTypeLibrary(RegistrationScope scope) {
  // A library that was never registered is already gone.
  BSTR registeredPath = nullptr;
  if (FAILED(QueryPathOfRegTypeLib(LIBID_ZelvaneTextBox, kMajorVersion, kMinorVersion, kTypeLibLocale,
                                   &registeredPath))) {
    return;
  }
  SysFreeString(registeredPath);
  ThrowIfFailed(scope == RegistrationScope::Machine
                    ? UnRegisterTypeLib(LIBID_ZelvaneTextBox, kMajorVersion, kMinorVersion, kTypeLibLocale,
                                        ThisSysKind())
                    : UnRegisterTypeLibForUser(LIBID_ZelvaneTextBox, kMajorVersion, kMinorVersion, kTypeLibLocale,
                                               ThisSysKind()));
}

}  // namespace

void RegisterServer(RegistrationScope scope) {
  const std::wstring dllPath = ServerModule::Instance().Path();
  const RegistryKey root = ClassesRoot(scope);
  WriteClassKeys(root.get(), dllPath);
  WriteProgIdKeys(root.get());
  RegisterTypeLibrary(scope, dllPath);
}

void UnregisterServer(RegistrationScope scope) {
  const RegistryKey root = ClassesRoot(scope);
  RegistryKey::DeleteTree(root.get(), ClassKeyPath());
  // The other width's class still needs the shared ProgID keys; the last width to go
  // removes them.
  if (!RegistryKey::Exists(ScopeRoot(scope), std::wstring(kClasses) + L"\\" + ClassKeyPath(), kOtherView)) {
    RegistryKey::DeleteTree(root.get(), kProgId);
    RegistryKey::DeleteTree(root.get(), kIndependentProgId);
  }
  UnregisterTypeLibrary(scope);
}

}  // namespace zelvane::com
