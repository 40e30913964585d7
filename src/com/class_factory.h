#pragma once
#include <windows.h>
#include <unknwn.h>

#include "host/win32/com_interface_base.h"

namespace zelvane::com {

/// The class object of Zelvane. It lives as long as the module; its references
/// count nothing, LockServer is what keeps the server loaded.
class ClassFactory final : public win32::ComInterfaceBase<IClassFactory> {
 public:
  static ClassFactory& Instance();

  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  ClassFactory() = default;
};

}  // namespace zelvane::com
