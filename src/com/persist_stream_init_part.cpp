#include "com/persist_stream_init_part.h"

#include "com/hresult_from_caught.h"
#include "com/stream_property_bag.h"
#include "com/zelvane_object.h"

namespace zelvane::com {

HRESULT STDMETHODCALLTYPE PersistStreamInitPart::GetClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = CLSID_Zelvane;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE PersistStreamInitPart::IsDirty() {
  return impl_from().Container().Dirty() ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE PersistStreamInitPart::Load(LPSTREAM stream) {
  if (!stream) return E_POINTER;
  try {
    StreamPropertyBag bag = StreamPropertyBag::ReadFrom(*stream);
    return impl_from().Load(bag);
  } catch (...) {
    return hresult_from_caught();
  }
}

HRESULT STDMETHODCALLTYPE PersistStreamInitPart::Save(LPSTREAM stream, BOOL clearDirty) {
  if (!stream) return E_POINTER;
  try {
    StreamPropertyBag bag;
    const HRESULT hr = impl_from().Save(bag, clearDirty != FALSE);
    if (SUCCEEDED(hr)) bag.WriteTo(*stream);
    return hr;
  } catch (...) {
    return hresult_from_caught();
  }
}

HRESULT STDMETHODCALLTYPE PersistStreamInitPart::GetSizeMax(ULARGE_INTEGER* size) {
  if (!size) return E_POINTER;
  try {
    StreamPropertyBag bag;
    const HRESULT hr = impl_from().Save(bag, false);
    size->QuadPart = SUCCEEDED(hr) ? bag.Size() : 0;
    return hr;
  } catch (...) {
    return hresult_from_caught();
  }
}

HRESULT STDMETHODCALLTYPE PersistStreamInitPart::InitNew() { return impl_from().InitNew(); }

}  // namespace zelvane::com
