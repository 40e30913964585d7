#pragma once
#include <windows.h>
#include <objidl.h>

#include "com/embedded_interface.h"

namespace zelvane::com {

class ZelvaneObject;

/// IPersistStorage: the same stream as IPersistStreamInit, kept as the
/// storage's "Contents" stream (compound-document containers).
class PersistStoragePart final : public EmbeddedInterface<IPersistStorage, ZelvaneObject> {
 public:
  using EmbeddedInterface::EmbeddedInterface;
  HRESULT STDMETHODCALLTYPE GetClassID(CLSID* clsid) override;
  HRESULT STDMETHODCALLTYPE IsDirty() override;
  HRESULT STDMETHODCALLTYPE InitNew(IStorage* storage) override;
  HRESULT STDMETHODCALLTYPE Load(IStorage* storage) override;
  HRESULT STDMETHODCALLTYPE Save(IStorage* storage, BOOL sameAsLoad) override;
  HRESULT STDMETHODCALLTYPE SaveCompleted(IStorage* storage) override;
  HRESULT STDMETHODCALLTYPE HandsOffStorage() override;
};

}  // namespace zelvane::com
