#include "com/provide_class_info_part.h"

#include "com/hresult_from_caught.h"
#include "com/server_module.h"
#include "com/zelvane_object.h"

namespace zelvane::com {

HRESULT STDMETHODCALLTYPE ProvideClassInfoPart::GetClassInfo(ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  try {
    *info = ServerModule::Instance().TypeInfo(CLSID_Zelvane).detach();
    return S_OK;
  } catch (...) {
    return hresult_from_caught();
  }
}

HRESULT STDMETHODCALLTYPE ProvideClassInfoPart::GetGUID(DWORD kind, GUID* guid) {
  if (!guid) return E_POINTER;
  if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) {
    *guid = GUID_NULL;
    return E_INVALIDARG;
  }
  *guid = DIID___Zelvane;
  return S_OK;
}

}  // namespace zelvane::com
