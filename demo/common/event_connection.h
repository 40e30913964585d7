#pragma once
#include <windows.h>
#include <ocidl.h>

#include <string>

#include "event_sink.h"

#include "host/win32/com_ptr.h"

namespace zelvane::demo {

/// An event sink advised to a control's default source interface for one scope. The
/// interface is found through the control's own class information
/// (IProvideClassInfo2), so no header of the control is needed.
class EventConnection {
 public:
  EventConnection(IUnknown* control, std::wstring name, EventSink::Handler handler);
  EventConnection(const EventConnection&) = delete;
  EventConnection& operator=(const EventConnection&) = delete;
  ~EventConnection();

 private:
  win32::com_ptr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
};

}  // namespace zelvane::demo
