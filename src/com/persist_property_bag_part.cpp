#include "com/persist_property_bag_part.h"

#include "com/hresult_from_caught.h"
#include "com/property_bag_adapter.h"
#include "com/zelvane_object.h"

namespace zelvane::com {

HRESULT STDMETHODCALLTYPE PersistPropertyBagPart::GetClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = CLSID_Zelvane;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE PersistPropertyBagPart::InitNew() { return impl_from().InitNew(); }

HRESULT STDMETHODCALLTYPE PersistPropertyBagPart::Load(IPropertyBag* bag, IErrorLog* errorLog) {
  if (!bag) return E_POINTER;
  PropertyBagAdapter adapter(*bag, errorLog);
  return impl_from().Load(adapter);
}

HRESULT STDMETHODCALLTYPE PersistPropertyBagPart::Save(IPropertyBag* bag, BOOL clearDirty, BOOL) {
  if (!bag) return E_POINTER;
  PropertyBagAdapter adapter(*bag, nullptr);
  return impl_from().Save(adapter, clearDirty != FALSE);
}

}  // namespace zelvane::com
