#pragma once
#include <windows.h>
#include <oaidl.h>

#include <functional>
#include <string>

#include "control_event.h"

#include "host/win32/com_object_base.h"
#include "host/win32/com_ptr.h"

namespace zelvane::demo {

/// Receives a control's events as a dispatch sink of its source interface and hands
/// each one, decoded through the interface's type information, to a callback.
class EventSink final : public win32::ComObjectBase<IDispatch> {
 public:
  using Handler = std::function<void(const ControlEvent&)>;

  /// A new sink with one reference, which the caller owns.
  static win32::com_ptr<IDispatch> Create(std::wstring control, const IID& source,
                                          win32::com_ptr<ITypeInfo> info, Handler handler);

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid,
                                          DISPID* ids) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* excep, UINT* arg_err) override;

 private:
  EventSink(std::wstring control, const IID& source, win32::com_ptr<ITypeInfo> info, Handler handler);
  bool Answers(REFIID riid) const override { return riid == source_; }
  ControlEvent Decode(DISPID id, const DISPPARAMS& params) const;

  std::wstring control_;
  IID source_;
  win32::com_ptr<ITypeInfo> info_;
  Handler handler_;
};

}  // namespace zelvane::demo
