#include "com/connection_point_container_part.h"

#include <olectl.h>

#include "com/connection_point_enumerator.h"
#include "com/hresult_from_caught.h"
#include "com/zelvane_object.h"

namespace zelvane::com {

HRESULT STDMETHODCALLTYPE ConnectionPointContainerPart::EnumConnectionPoints(IEnumConnectionPoints** points) {
  if (!points) return E_POINTER;
  *points = nullptr;
  try {
    *points = ConnectionPointEnumerator::Create(*this, impl_from().ConnectionPoints());
    return S_OK;
  } catch (...) {
    return hresult_from_caught();
  }
}

HRESULT STDMETHODCALLTYPE ConnectionPointContainerPart::FindConnectionPoint(REFIID riid, IConnectionPoint** point) {
  if (!point) return E_POINTER;
  *point = impl_from().FindConnectionPoint(riid);
  if (!*point) return CONNECT_E_NOCONNECTION;
  (*point)->AddRef();
  return S_OK;
}

}  // namespace zelvane::com
