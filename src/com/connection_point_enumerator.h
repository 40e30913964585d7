#pragma once
#include <windows.h>
#include <ocidl.h>

#include <vector>

#include "host/win32/com_object_base.h"
#include "host/win32/com_ptr.h"

namespace zelvane::com {

/// IEnumConnectionPoints over the control's connection points. It holds its
/// container, so the points it hands out stay valid as long as it lives.
class ConnectionPointEnumerator final : public win32::ComObjectBase<IEnumConnectionPoints> {
 public:
  /// A new enumerator with one reference, for the caller.
  static IEnumConnectionPoints* Create(IConnectionPointContainer& container, std::vector<IConnectionPoint*> points,
                                       std::size_t position = 0);

  HRESULT STDMETHODCALLTYPE Next(ULONG count, IConnectionPoint** points, ULONG* fetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumConnectionPoints** copy) override;

 private:
  ConnectionPointEnumerator(IConnectionPointContainer& container, std::vector<IConnectionPoint*> points,
                            std::size_t position);
  ~ConnectionPointEnumerator() override = default;

  win32::com_ptr<IConnectionPointContainer> container_;
  std::vector<IConnectionPoint*> points_;
  std::size_t position_;
};

}  // namespace zelvane::com
