// The in-process server's exported entry points.
#include <windows.h>
#include <olectl.h>

#include <cwctype>
#include <string_view>

#include "com/class_factory.h"
#include "com/hresult_from_caught.h"
#include "com/server_module.h"
#include "com/server_registration.h"
#include "zelvane_text_box.h"

using zelvane::com::ClassFactory;
using zelvane::com::RegistrationScope;
using zelvane::com::ServerModule;

namespace {

// Registration steps throw; regsvr32 wants their HRESULT.
template <class Step>
HRESULT Guarded(Step step) noexcept {
  try {
    step();
    return S_OK;
  } catch (...) {
    return zelvane::com::hresult_from_caught();
  }
}

HRESULT Register(RegistrationScope scope) noexcept {
  return Guarded([scope] { zelvane::com::RegisterServer(scope); });
}

HRESULT Unregister(RegistrationScope scope) noexcept {
  return Guarded([scope] { zelvane::com::UnregisterServer(scope); });
}

bool IsUserCommand(const wchar_t* command) {
  if (!command) return false;
  const std::wstring_view text(command);
  constexpr std::wstring_view user = L"user";
  if (text.size() != user.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (std::towlower(text[i]) != user[i]) return false;
  }
  return true;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason == DLL_PROCESS_ATTACH) {
    ServerModule::Instance().SetHandle(instance);
    DisableThreadLibraryCalls(instance);
  } else if (reason == DLL_PROCESS_DETACH && !reserved) {
    // Only on FreeLibrary: at process exit the type library may be gone already.
    ServerModule::Instance().ReleaseTypeLib();
  }
  return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID rclsid, REFIID riid, LPVOID* ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (rclsid == CLSID_Zelvane) return ClassFactory::Instance().QueryInterface(riid, ppv);
  return CLASS_E_CLASSNOTAVAILABLE;
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return ServerModule::Instance().CanUnload() ? S_OK : S_FALSE; }

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer() { return Register(RegistrationScope::Machine); }

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer() { return Unregister(RegistrationScope::Machine); }

// regsvr32 /n /i:user installs for the current user only; /u with it uninstalls.
extern "C" HRESULT STDAPICALLTYPE DllInstall(BOOL install, LPCWSTR command) {
  const RegistrationScope scope = IsUserCommand(command) ? RegistrationScope::User : RegistrationScope::Machine;
  return install ? Register(scope) : Unregister(scope);
}
