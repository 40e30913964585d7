#include "com/dispatch_calls.h"

namespace zelvane::com {

HRESULT GetDispatchProperty(IDispatch& object, DISPID id, VARIANT* result) {
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  return object.Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET | DISPATCH_METHOD, &none, result,
                       nullptr, nullptr);
}

HRESULT GetDispatchProperty(IDispatch& object, const wchar_t* name, VARIANT* result) {
  DISPID id = DISPID_UNKNOWN;
  auto* names = const_cast<LPOLESTR>(name);
  const HRESULT hr = object.GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) return hr;
  return GetDispatchProperty(object, id, result);
}

}  // namespace zelvane::com
