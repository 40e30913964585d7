#include "com/zelvane_object.h"

#include <windows.h>
#include <olectl.h>

#include "com/hresult_from_caught.h"
#include "com/server_module.h"

namespace zelvane::com {
namespace {

// The count of an object being destroyed: the holds its windows take as they go
// never bring it back to zero.
constexpr ULONG kDestroying = 0x40000000;

}  // namespace

HRESULT ZelvaneObject::Create(REFIID riid, void** ppv) {
  auto* object = new ZelvaneObject();
  const HRESULT hr = object->QueryInterface(riid, ppv);
  object->Release();
  return hr;
}

ZelvaneObject::ZelvaneObject()
    : eventsPoint_(DIID___Zelvane, true, points_),
      notifyPoint_(IID_IPropertyNotifySink, false, points_),
      typeInfo_(ServerModule::Instance().TypeInfo(IID__Zelvane4)),
      services_(*this),
      container_(*typeInfo_.get(), notifyPoint_, services_.Surface()),
      events_(eventsPoint_),
      control_(std::make_unique<control::Zelvane>(services_.Site(container_))) {
  control_->SetEventSink(&events_);
  ServerModule::Instance().ObjectCreated();
}

ZelvaneObject::~ZelvaneObject() {
  closed_ = true;
  try {
    control_->UserControl_Terminate();
  } catch (...) {
    // The saved list could not be written; the object goes all the same.
  }
  control_->SetEventSink(nullptr);
  control_.reset();
  eventsPoint_.DisconnectAll();
  notifyPoint_.DisconnectAll();
  ServerModule::Instance().ObjectDestroyed();
}

HRESULT ZelvaneObject::QueryInterface(REFIID riid, void** ppv) {
  if (!ppv) return E_POINTER;
  IUnknown* found = nullptr;
  if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID__Zelvane4 || riid == IID__Zelvane3 ||
      riid == IID__Zelvane2 || riid == IID__Zelvane) {
    found = &dispatch_;
  } else if (riid == IID_IOleObject) {
    found = &oleObject_;
  } else if (riid == IID_IOleInPlaceObject || riid == IID_IOleWindow) {
    found = &inPlace_;
  } else if (riid == IID_IOleInPlaceActiveObject) {
    found = &active_;
  } else if (riid == IID_IOleControl) {
    found = &oleControl_;
  } else if (riid == IID_IViewObject || riid == IID_IViewObject2) {
    found = &view_;
  } else if (riid == IID_IPersistPropertyBag) {
    found = &persistBag_;
  } else if (riid == IID_IPersistStreamInit || riid == IID_IPersist) {
    found = &persistStream_;
  } else if (riid == IID_IPersistStorage) {
    found = &persistStorage_;
  } else if (riid == IID_IConnectionPointContainer) {
    found = &points_;
  } else if (riid == IID_IProvideClassInfo || riid == IID_IProvideClassInfo2) {
    found = &classInfo_;
  } else if (riid == IID_ISupportErrorInfo) {
    found = &errorInfo_;
  }
  *ppv = found;
  if (!found) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG ZelvaneObject::AddRef() { return ++refs_; }

ULONG ZelvaneObject::Release() {
  const ULONG left = --refs_;
  if (left == 0) {
    refs_ = kDestroying;
    delete this;
  }
  return left;
}

void ZelvaneObject::HoldControl() noexcept {
  ++holds_;
  AddRef();
}

void ZelvaneObject::ReleaseControl() noexcept {
  --holds_;
  Release();
}

void ZelvaneObject::Close() {
  closed_ = true;
  control_->Close();
}

IConnectionPoint* ZelvaneObject::FindConnectionPoint(REFIID iid) {
  if (iid == DIID___Zelvane) return &eventsPoint_;
  if (iid == IID_IPropertyNotifySink) return &notifyPoint_;
  return nullptr;
}

void ZelvaneObject::EnsureInitialised() {
  if (initialised_) return;
  control_->UserControl_InitProperties();
  initialised_ = true;
  container_.ClearDirty();
}

HRESULT ZelvaneObject::InitNew() {
  if (initialised_) return CO_E_ALREADYINITIALIZED;
  try {
    EnsureInitialised();
    return S_OK;
  } catch (...) {
    return hresult_from_caught();
  }
}

HRESULT ZelvaneObject::Load(host::PropertyBag& bag) {
  if (initialised_) return CO_E_ALREADYINITIALIZED;
  // A restore that fails part-way keeps what it restored: it was this
  // instance's one initialisation all the same.
  initialised_ = true;
  try {
    control_->UserControl_ReadProperties(bag);
    container_.ClearDirty();
    return S_OK;
  } catch (...) {
    return hresult_from_caught();
  }
}

HRESULT ZelvaneObject::Save(host::PropertyBag& bag, bool clearDirty) {
  try {
    EnsureInitialised();
    control_->UserControl_WriteProperties(bag);
    if (clearDirty) container_.ClearDirty();
    return S_OK;
  } catch (...) {
    return hresult_from_caught();
  }
}

}  // namespace zelvane::com
