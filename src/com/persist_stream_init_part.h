#pragma once
#include <windows.h>
#include <ocidl.h>

#include "com/embedded_interface.h"

namespace zelvane::com {

class ZelvaneObject;

/// IPersistStreamInit: the ten design-time properties in a stream, in the
/// format of StreamPropertyBag.
class PersistStreamInitPart final : public EmbeddedInterface<IPersistStreamInit, ZelvaneObject> {
 public:
  using EmbeddedInterface::EmbeddedInterface;
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override;
  HRESULT STDMETHODCALLTYPE Load(LPSTREAM stream) override;
  HRESULT STDMETHODCALLTYPE Save(LPSTREAM stream, BOOL clearDirty) override;
  HRESULT STDMETHODCALLTYPE GetSizeMax(ULARGE_INTEGER* size) override;
  HRESULT STDMETHODCALLTYPE InitNew() override;
};

}  // namespace zelvane::com
