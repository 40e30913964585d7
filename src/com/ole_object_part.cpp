#include "com/ole_object_part.h"

#include "com/hresult_from_caught.h"
#include "com/misc_status.h"
#include "com/zelvane_object.h"
#include "zelvane_text_box.h"

namespace zelvane::com {
namespace {

using win32::com_ptr;

// A new control's size: a text box of 120 by 21 pixels at 96 dots per inch.
constexpr SIZEL kDefaultExtent{3175, 556};

}  // namespace

OleObjectPart::OleObjectPart(ZelvaneObject& owner) : EmbeddedInterface(owner), extent_(kDefaultExtent) {}

HRESULT STDMETHODCALLTYPE OleObjectPart::SetClientSite(IOleClientSite* site) {
  try {
    impl_from().Container().SetSite(com_ptr<IOleClientSite>(site));
    return S_OK;
  } catch (...) {
    return hresult_from_caught();
  }
}

HRESULT STDMETHODCALLTYPE OleObjectPart::GetClientSite(IOleClientSite** site) {
  if (!site) return E_POINTER;
  *site = impl_from().Container().Site();
  if (*site) (*site)->AddRef();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE OleObjectPart::SetHostNames(LPCOLESTR, LPCOLESTR) { return S_OK; }

HRESULT STDMETHODCALLTYPE OleObjectPart::Close(DWORD) {
  try {
    impl_from().Close();
    impl_from().InPlace().InPlaceDeactivate();
    if (adviseHolder_) adviseHolder_->SendOnClose();
    return S_OK;
  } catch (...) {
    return hresult_from_caught();
  }
}

HRESULT STDMETHODCALLTYPE OleObjectPart::SetMoniker(DWORD, IMoniker*) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE OleObjectPart::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE OleObjectPart::InitFromData(IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE OleObjectPart::GetClipboardData(DWORD, IDataObject** data) {
  if (data) *data = nullptr;
  return E_NOTIMPL;
}

HRESULT STDMETHODCALLTYPE OleObjectPart::DoVerb(LONG verb, LPMSG, IOleClientSite* site, LONG, HWND, LPCRECT pos) {
  try {
    if (site && !impl_from().Container().Site()) impl_from().Container().SetSite(com_ptr<IOleClientSite>(site));
    switch (verb) {
      case OLEIVERB_PRIMARY:
      case OLEIVERB_SHOW:
      case OLEIVERB_INPLACEACTIVATE: return impl_from().InPlace().Activate(false, pos);
      case OLEIVERB_UIACTIVATE: return impl_from().InPlace().Activate(true, pos);
      case OLEIVERB_HIDE: return impl_from().InPlace().InPlaceDeactivate();
      default: return verb < 0 ? E_NOTIMPL : OLEOBJ_S_INVALIDVERB;
    }
  } catch (...) {
    return hresult_from_caught();
  }
}

HRESULT STDMETHODCALLTYPE OleObjectPart::EnumVerbs(IEnumOLEVERB** verbs) {
  if (!verbs) return E_POINTER;
  return OleRegEnumVerbs(CLSID_Zelvane, verbs);
}

HRESULT STDMETHODCALLTYPE OleObjectPart::Update() { return S_OK; }
HRESULT STDMETHODCALLTYPE OleObjectPart::IsUpToDate() { return S_OK; }

HRESULT STDMETHODCALLTYPE OleObjectPart::GetUserClassID(CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = CLSID_Zelvane;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE OleObjectPart::GetUserType(DWORD form, LPOLESTR* type) {
  if (!type) return E_POINTER;
  return OleRegGetUserType(CLSID_Zelvane, form, type);
}

HRESULT STDMETHODCALLTYPE OleObjectPart::SetExtent(DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  extent_ = *size;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE OleObjectPart::GetExtent(DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  *size = extent_;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE OleObjectPart::Advise(IAdviseSink* sink, DWORD* connection) {
  if (!connection) return E_POINTER;
  *connection = 0;
  if (!adviseHolder_) {
    const HRESULT hr = CreateOleAdviseHolder(adviseHolder_.put());
    if (FAILED(hr)) return hr;
  }
  return adviseHolder_->Advise(sink, connection);
}

HRESULT STDMETHODCALLTYPE OleObjectPart::Unadvise(DWORD connection) {
  return adviseHolder_ ? adviseHolder_->Unadvise(connection) : OLE_E_NOCONNECTION;
}

HRESULT STDMETHODCALLTYPE OleObjectPart::EnumAdvise(IEnumSTATDATA** advise) {
  if (!advise) return E_POINTER;
  *advise = nullptr;
  return adviseHolder_ ? adviseHolder_->EnumAdvise(advise) : E_FAIL;
}

HRESULT STDMETHODCALLTYPE OleObjectPart::GetMiscStatus(DWORD, DWORD* status) {
  if (!status) return E_POINTER;
  *status = kMiscStatus;
  return S_OK;
}

HRESULT STDMETHODCALLTYPE OleObjectPart::SetColorScheme(LOGPALETTE*) { return E_NOTIMPL; }

}  // namespace zelvane::com
