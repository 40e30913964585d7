#include "com/connection_point_container_part.h"

#include <olectl.h>

#include "com/zelvane_object.h"

namespace zelvane::com {

HRESULT STDMETHODCALLTYPE ConnectionPointContainerPart::EnumConnectionPoints(IEnumConnectionPoints** points) {
  if (!points) return E_POINTER;
  *points = nullptr;
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE ConnectionPointContainerPart::FindConnectionPoint(REFIID riid, IConnectionPoint** point) {
  if (!point) return E_POINTER;
  *point = impl_from().FindConnectionPoint(riid);
  if (!*point) return CONNECT_E_NOCONNECTION;
  (*point)->AddRef();
  return S_OK;
}

}  // namespace zelvane::com
