#pragma once
#include <windows.h>
#include <ocidl.h>

#include "com/embedded_interface.h"

namespace zelvane::com {

class ZelvaneObject;

/// IProvideClassInfo2: the class's type information and its event interface,
/// which containers connect their event sinks to.
class ProvideClassInfoPart final : public EmbeddedInterface<IProvideClassInfo2, ZelvaneObject> {
 public:
  using EmbeddedInterface::EmbeddedInterface;
  HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* guid) override;
};

}  // namespace zelvane::com
