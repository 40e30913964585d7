#pragma once
#include <windows.h>
#include <ocidl.h>

#include "com/embedded_interface.h"

namespace zelvane::com {

class ZelvaneObject;

/// IConnectionPointContainer: the __Zelvane events and property-change notices.
class ConnectionPointContainerPart final : public EmbeddedInterface<IConnectionPointContainer, ZelvaneObject> {
 public:
  using EmbeddedInterface::EmbeddedInterface;
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override;
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID riid, IConnectionPoint** point) override;
};

}  // namespace zelvane::com
