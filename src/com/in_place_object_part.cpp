#include "com/in_place_object_part.h"

#include "com/hresult_from_caught.h"
#include "com/zelvane_object.h"

namespace zelvane::com {

using win32::com_ptr;

HRESULT InPlaceObjectPart::Activate(bool uiActivate, LPCRECT pos) {
  impl_from().EnsureInitialised();
  impl_from().Reopen();
  const HRESULT hr = ActivateInPlace(pos);
  if (FAILED(hr) || !uiActivate) return hr;
  return ActivateUi();
}

HRESULT InPlaceObjectPart::ActivateInPlace(LPCRECT pos) {
  if (active_) {
    if (pos) impl_from().Services().Move(*pos);
    return S_OK;
  }
  IOleClientSite* clientSite = impl_from().Container().Site();
  if (!clientSite) return E_UNEXPECTED;
  com_ptr<IOleInPlaceSite> site;
  if (FAILED(clientSite->QueryInterface(IID_IOleInPlaceSite, site.put_void()))) return E_NOINTERFACE;
  if (site->CanInPlaceActivate() != S_OK) return E_FAIL;
  HWND parent = nullptr;
  if (FAILED(site->GetWindow(&parent)) || !parent) return E_FAIL;
  com_ptr<IOleInPlaceFrame> frame;
  com_ptr<IOleInPlaceUIWindow> document;
  RECT position{};
  RECT clip{};
  OLEINPLACEFRAMEINFO frameInfo{};
  frameInfo.cb = sizeof frameInfo;
  if (FAILED(site->GetWindowContext(frame.put(), document.put(), &position, &clip, &frameInfo))) return E_FAIL;
  site->OnInPlaceActivate();
  site_ = site;
  frame_ = frame;
  document_ = document;
  active_ = true;
  impl_from().Services().Dock(parent, pos ? *pos : position);
  return S_OK;
}

HRESULT InPlaceObjectPart::ActivateUi() {
  if (uiActive_) return S_OK;
  site_->OnUIActivate();
  uiActive_ = true;
  IOleInPlaceActiveObject* active = &impl_from().ActiveObject();
  if (frame_) frame_->SetActiveObject(active, nullptr);
  if (document_) document_->SetActiveObject(active, nullptr);
  if (frame_) frame_->SetBorderSpace(nullptr);
  impl_from().Services().FocusEditor();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE InPlaceObjectPart::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = impl_from().Services().SurfaceWindow();
  return S_OK;
}

HRESULT STDMETHODCALLTYPE InPlaceObjectPart::ContextSensitiveHelp(BOOL) { return E_NOTIMPL; }

HRESULT STDMETHODCALLTYPE InPlaceObjectPart::InPlaceDeactivate() {
  try {
    if (!active_) return S_OK;
    UIDeactivate();
    active_ = false;
    impl_from().Control().Deactivate();
    impl_from().Services().Park();
    const com_ptr<IOleInPlaceSite> site = std::move(site_);
    frame_.reset();
    document_.reset();
    site->OnInPlaceDeactivate();
    return S_OK;
  } catch (...) {
    return hresult_from_caught();
  }
}

HRESULT STDMETHODCALLTYPE InPlaceObjectPart::UIDeactivate() {
  if (!uiActive_) return S_OK;
  uiActive_ = false;
  if (frame_) frame_->SetActiveObject(nullptr, nullptr);
  if (document_) document_->SetActiveObject(nullptr, nullptr);
  if (site_) site_->OnUIDeactivate(FALSE);
  return S_OK;
}

HRESULT STDMETHODCALLTYPE InPlaceObjectPart::SetObjectRects(LPCRECT pos, LPCRECT) {
  if (!pos) return E_POINTER;
  try {
    impl_from().Services().Move(*pos);
    return S_OK;
  } catch (...) {
    return hresult_from_caught();
  }
}

HRESULT STDMETHODCALLTYPE InPlaceObjectPart::ReactivateAndUndo() { return INPLACE_E_NOTUNDOABLE; }

}  // namespace zelvane::com
