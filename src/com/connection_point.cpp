#include "com/connection_point.h"

#include <olectl.h>

#include <algorithm>

#include "com/hresult_from_caught.h"

namespace zelvane::com {

using win32::com_ptr;

ConnectionPoint::ConnectionPoint(REFIID iid, bool dispatchBased, IConnectionPointContainer& container)
    : iid_(iid), dispatchBased_(dispatchBased), container_(container) {}

std::vector<com_ptr<IUnknown>> ConnectionPoint::Sinks() const {
  std::vector<com_ptr<IUnknown>> sinks;
  sinks.reserve(sinks_.size());
  for (const auto& entry : sinks_) sinks.push_back(entry.second);
  return sinks;
}

HRESULT STDMETHODCALLTYPE ConnectionPoint::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = iid_;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
  if (!container) return E_POINTER;
  *container = &container_;
  container_.AddRef();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (!cookie) return E_POINTER;
  *cookie = 0;
  if (!sink) return E_POINTER;
  try {
    com_ptr<IUnknown> typed;
    if (FAILED(sink->QueryInterface(iid_, typed.put_void())) &&
        !(dispatchBased_ && SUCCEEDED(sink->QueryInterface(IID_IDispatch, typed.put_void())))) {
      return CONNECT_E_CANNOTCONNECT;
    }
    sinks_.emplace_back(nextCookie_, typed);
    *cookie = nextCookie_++;
    return S_OK;
  } catch (...) {
    return hresult_from_caught();
  }
}

HRESULT STDMETHODCALLTYPE ConnectionPoint::Unadvise(DWORD cookie) {
  const auto found =
      std::find_if(sinks_.begin(), sinks_.end(), [cookie](const auto& entry) { return entry.first == cookie; });
  if (found == sinks_.end()) return CONNECT_E_NOCONNECTION;
  sinks_.erase(found);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ConnectionPoint::EnumConnections(IEnumConnections** connections) {
  if (!connections) return E_POINTER;
  *connections = nullptr;
  return E_NOTIMPL;
}

}  // namespace zelvane::com
