#pragma once
#include <windows.h>
#include <ocidl.h>

#include "com/embedded_interface.h"

namespace zelvane::com {

class ZelvaneObject;

/// IPersistPropertyBag: the ten design-time properties as named values in the
/// container's bag (VB forms, HTML pages).
class PersistPropertyBagPart final : public EmbeddedInterface<IPersistPropertyBag, ZelvaneObject> {
 public:
  using EmbeddedInterface::EmbeddedInterface;
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
  HRESULT STDMETHODCALLTYPE InitNew() override;
  HRESULT STDMETHODCALLTYPE Load(IPropertyBag* bag, IErrorLog* errorLog) override;
  HRESULT STDMETHODCALLTYPE Save(IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) override;
};

}  // namespace zelvane::com
