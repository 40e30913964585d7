#include "event_connection.h"

#include "com_error.h"

namespace zelvane::demo {

using win32::com_ptr;

EventConnection::EventConnection(IUnknown* control, std::wstring name, EventSink::Handler handler) {
  com_ptr<IUnknown> object(control);
  auto class_info = object.query<IProvideClassInfo2>();
  if (!class_info) throw ComError(E_NOINTERFACE, "IProvideClassInfo2 on the control");
  IID source{};
  ThrowIfFailed(class_info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source), "GetGUID(default source)");

  com_ptr<ITypeInfo> coclass;
  ThrowIfFailed(class_info->GetClassInfo(coclass.put()), "GetClassInfo");
  com_ptr<ITypeLib> library;
  UINT index = 0;
  ThrowIfFailed(coclass->GetContainingTypeLib(library.put(), &index), "GetContainingTypeLib");
  com_ptr<ITypeInfo> events;
  ThrowIfFailed(library->GetTypeInfoOfGuid(source, events.put()), "the event interface's type information");

  auto container = object.query<IConnectionPointContainer>();
  if (!container) throw ComError(E_NOINTERFACE, "IConnectionPointContainer on the control");
  ThrowIfFailed(container->FindConnectionPoint(source, point_.put()), "FindConnectionPoint");
  auto sink = EventSink::Create(std::move(name), source, std::move(events), std::move(handler));
  ThrowIfFailed(point_->Advise(sink.get(), &cookie_), "Advise");
}

EventConnection::~EventConnection() {
  if (point_ && cookie_) point_->Unadvise(cookie_);
}

}  // namespace zelvane::demo
