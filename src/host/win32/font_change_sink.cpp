#include "host/win32/font_change_sink.h"

namespace zelvane::win32 {

HRESULT STDMETHODCALLTYPE FontChangeSink::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_IPropertyNotifySink) {
    *object = static_cast<IPropertyNotifySink*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE FontChangeSink::AddRef() { return ++refs_; }

ULONG STDMETHODCALLTYPE FontChangeSink::Release() {
  const ULONG refs = --refs_;
  if (refs == 0) delete this;
  return refs;
}

HRESULT STDMETHODCALLTYPE FontChangeSink::OnChanged(DISPID) {
  // Called by the font object from inside the host's property call: a COM boundary.
  try {
    if (onChanged_) onChanged_();
  } catch (...) {
  }
  return S_OK;
}

HRESULT STDMETHODCALLTYPE FontChangeSink::OnRequestEdit(DISPID) { return S_OK; }

}  // namespace zelvane::win32
