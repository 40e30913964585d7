#include "com/view_object_part.h"

#include "com/control_picture.h"
#include "com/hresult_from_caught.h"
#include "com/zelvane_object.h"

namespace zelvane::com {

HRESULT STDMETHODCALLTYPE ViewObjectPart::Draw(DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc,
                                              LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR),
                                              ULONG_PTR) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!dc || !bounds) return E_INVALIDARG;
  try {
    impl_from().EnsureInitialised();
    const RECT area{bounds->left, bounds->top, bounds->right, bounds->bottom};
    DrawControlPicture(dc, area, impl_from().Control());
    return S_OK;
  } catch (...) {
    return hresult_from_caught();
  }
}

HRESULT STDMETHODCALLTYPE ViewObjectPart::GetColorSet(DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** colors) {
  if (colors) *colors = nullptr;
  return S_FALSE;
}

HRESULT STDMETHODCALLTYPE ViewObjectPart::Freeze(DWORD, LONG, void*, DWORD* freeze) {
  if (freeze) *freeze = 0;
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE ViewObjectPart::Unfreeze(DWORD) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE ViewObjectPart::SetAdvise(DWORD aspects, DWORD flags, IAdviseSink* sink) {
  sink_ = win32::com_ptr<IAdviseSink>(sink);
  aspects_ = aspects;
  flags_ = flags;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ViewObjectPart::GetAdvise(DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
  if (aspects) *aspects = aspects_;
  if (flags) *flags = flags_;
  if (sink) {
    *sink = sink_.get();
    if (*sink) (*sink)->AddRef();
  }
  return S_OK;
}

HRESULT STDMETHODCALLTYPE ViewObjectPart::GetExtent(DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
  return impl_from().OleObject().GetExtent(aspect, size);
}

}  // namespace zelvane::com
