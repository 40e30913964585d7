#pragma once
#include <windows.h>
#include <ocidl.h>

#include <atomic>
#include <memory>
#include <vector>

#include "com/connection_point.h"
#include "com/connection_point_container_part.h"
#include "com/control_services.h"
#include "com/in_place_active_object_part.h"
#include "com/in_place_object_part.h"
#include "com/ole_control_part.h"
#include "com/ole_object_part.h"
#include "com/persist_property_bag_part.h"
#include "com/persist_storage_part.h"
#include "com/persist_stream_init_part.h"
#include "com/provide_class_info_part.h"
#include "com/site_container.h"
#include "com/sink_events.h"
#include "com/support_error_info_part.h"
#include "com/view_object_part.h"
#include "com/zelvane_dispatch.h"
#include "control/zelvane.h"
#include "host/control_owner.h"
#include "host/property_bag.h"
#include "host/win32/com_ptr.h"

namespace zelvane::com {

/// The COM object of one Zelvane control: the portable control on real windows,
/// with the interfaces containers and script clients use embedded in it. Its
/// window procedures, timer, hook and the control's handlers hold it while they
/// run, so a host that closes and releases it inside an event (a form unloading)
/// destroys it only once the message that raised the event is done.
class ZelvaneObject final : private host::ControlOwner {
 public:
  /// A new object, handed out as `riid`.
  static HRESULT Create(REFIID riid, void** ppv);
  ZelvaneObject(const ZelvaneObject&) = delete;
  ZelvaneObject& operator=(const ZelvaneObject&) = delete;

  HRESULT QueryInterface(REFIID riid, void** ppv);
  ULONG AddRef();
  ULONG Release();

  control::Zelvane& Control() { return *control_; }
  SiteContainer& Container() { return container_; }
  SinkEvents& Events() { return events_; }
  ControlServices& Services() { return services_; }
  ITypeInfo& DispatchTypeInfo() { return *typeInfo_.get(); }
  OleObjectPart& OleObject() { return oleObject_; }
  InPlaceObjectPart& InPlace() { return inPlace_; }
  IOleInPlaceActiveObject& ActiveObject() { return active_; }
  IConnectionPoint* FindConnectionPoint(REFIID iid);
  std::vector<IConnectionPoint*> ConnectionPoints() { return {&eventsPoint_, &notifyPoint_}; }

  // Exactly one of InitNew and Load starts the control's life; a script that
  // never calls either gets the first-placement defaults on first use.
  void EnsureInitialised();
  HRESULT InitNew();
  HRESULT Load(host::PropertyBag& bag);
  HRESULT Save(host::PropertyBag& bag, bool clearDirty);

  /// IOleObject::Close: the host hears nothing more from the control, and an open
  /// drop-down goes without CloseUpList.
  void Close();
  /// Activated again after a Close: the events flow again.
  void Reopen() noexcept { closed_ = false; }

 private:
  ZelvaneObject();
  ~ZelvaneObject();

  // host::ControlOwner: a hold is a reference; the host has let go once only holds are left.
  void HoldControl() noexcept override;
  void ReleaseControl() noexcept override;
  bool ControlClosed() const noexcept override { return closed_ || refs_ == holds_; }

  std::atomic<ULONG> refs_{1};
  ULONG holds_ = 0;      // the references that are holds of running code
  bool closed_ = false;  // from IOleObject::Close until the next activation
  bool initialised_ = false;

  ZelvaneDispatch dispatch_{*this};
  OleObjectPart oleObject_{*this};
  InPlaceObjectPart inPlace_{*this};
  InPlaceActiveObjectPart active_{*this};
  OleControlPart oleControl_{*this};
  ViewObjectPart view_{*this};
  PersistPropertyBagPart persistBag_{*this};
  PersistStreamInitPart persistStream_{*this};
  PersistStoragePart persistStorage_{*this};
  ConnectionPointContainerPart points_{*this};
  ProvideClassInfoPart classInfo_{*this};
  SupportErrorInfoPart errorInfo_{*this};

  ConnectionPoint eventsPoint_;
  ConnectionPoint notifyPoint_;
  win32::com_ptr<ITypeInfo> typeInfo_;
  ControlServices services_;
  SiteContainer container_;
  SinkEvents events_;
  std::unique_ptr<control::Zelvane> control_;
};

}  // namespace zelvane::com
