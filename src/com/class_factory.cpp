#include "com/class_factory.h"

#include "com/hresult_from_caught.h"
#include "com/server_module.h"
#include "com/zelvane_object.h"

namespace zelvane::com {

ClassFactory& ClassFactory::Instance() {
  static ClassFactory factory;
  return factory;
}

HRESULT STDMETHODCALLTYPE ClassFactory::CreateInstance(IUnknown* outer, REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  try {
    return ZelvaneObject::Create(riid, ppv);
  } catch (...) {
    return hresult_from_caught();
  }
}

HRESULT STDMETHODCALLTYPE ClassFactory::LockServer(BOOL lock) {
  if (lock) {
    ServerModule::Instance().Lock();
  } else {
    ServerModule::Instance().Unlock();
  }
  return S_OK;
}

}  // namespace zelvane::com
