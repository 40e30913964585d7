#pragma once
#include <windows.h>
#include <ocidl.h>

#include <utility>
#include <vector>

#include "host/win32/com_interface_base.h"
#include "host/win32/com_ptr.h"

namespace zelvane::com {

/// One outgoing interface of the control and the sinks connected to it. Its
/// lifetime is its container's: AddRef and Release go there.
class ConnectionPoint final : public win32::ComInterfaceBase<IConnectionPoint> {
 public:
  /// Sinks of a dispatch interface may answer only IDispatch; `dispatchBased`
  /// accepts those too.
  ConnectionPoint(REFIID iid, bool dispatchBased, IConnectionPointContainer& container);
  ConnectionPoint(const ConnectionPoint&) = delete;
  ConnectionPoint& operator=(const ConnectionPoint&) = delete;

  /// The sinks connected now, in the order they connected; a copy, so a sink may
  /// disconnect while it is being called.
  std::vector<win32::com_ptr<IUnknown>> Sinks() const;
  /// Drops every connection (the control is going away).
  void DisconnectAll() { sinks_.clear(); }

  ULONG STDMETHODCALLTYPE AddRef() override { return container_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return container_.Release(); }
  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

 private:
  IID iid_;
  bool dispatchBased_;
  IConnectionPointContainer& container_;
  std::vector<std::pair<DWORD, win32::com_ptr<IUnknown>>> sinks_;
  DWORD nextCookie_ = 1;
};

}  // namespace zelvane::com
