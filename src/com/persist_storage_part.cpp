#include "com/persist_storage_part.h"

#include <windows.h>
#include <ocidl.h>

#include "com/hresult_from_caught.h"
#include "com/zelvane_object.h"

namespace zelvane::com {
namespace {

using win32::com_ptr;

constexpr wchar_t kContents[] = L"Contents";

}  // namespace

HRESULT STDMETHODCALLTYPE PersistStoragePart::GetClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = CLSID_Zelvane;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE PersistStoragePart::IsDirty() {
  return impl_from().Container().Dirty() ? S_OK : S_FALSE;
}

HRESULT STDMETHODCALLTYPE PersistStoragePart::InitNew(IStorage*) { return impl_from().InitNew(); }

HRESULT STDMETHODCALLTYPE PersistStoragePart::Load(IStorage* storage) {
  if (!storage) return E_POINTER;
  com_ptr<IStream> stream;
  const HRESULT hr =
      storage->OpenStream(kContents, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, stream.put());
  if (FAILED(hr)) return hr;
  com_ptr<IPersistStreamInit> persist;
  QueryInterface(IID_IPersistStreamInit, persist.put_void());
  return persist->Load(stream.get());
}

HRESULT STDMETHODCALLTYPE PersistStoragePart::Save(IStorage* storage, BOOL) {
  if (!storage) return E_POINTER;
  com_ptr<IStream> stream;
  const HRESULT hr = storage->CreateStream(kContents, STGM_CREATE | STGM_WRITE | STGM_SHARE_EXCLUSIVE, 0, 0,
                                           stream.put());
  if (FAILED(hr)) return hr;
  com_ptr<IPersistStreamInit> persist;
  QueryInterface(IID_IPersistStreamInit, persist.put_void());
  return persist->Save(stream.get(), TRUE);
}

HRESULT STDMETHODCALLTYPE PersistStoragePart::SaveCompleted(IStorage*) { return S_OK; }
HRESULT STDMETHODCALLTYPE PersistStoragePart::HandsOffStorage() { return S_OK; }

}  // namespace zelvane::com
