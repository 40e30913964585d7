#include "event_sink.h"

#include <new>
#include <vector>

#include "variant.h"

#include "host/win32/unique_handle.h"

namespace zelvane::demo {

using win32::com_ptr;
using win32::unique_bstr;

namespace {

bool IsIntegral(VARTYPE vt) {
  switch (vt & VT_TYPEMASK) {
    case VT_R4:
    case VT_R8:
    case VT_DATE:
    case VT_CY:
    case VT_DECIMAL:
      return false;
    default:
      return true;
  }
}

// Reads an argument, through its reference where it has one.
EventArgument ReadArgument(const VARIANT& raw, std::wstring name) {
  EventArgument arg{std::move(name), 0, IsIntegral(raw.vt), false, {}};
  Variant direct;
  if (SUCCEEDED(::VariantCopyInd(direct.put(), const_cast<VARIANT*>(&raw)))) {
    if (direct.get()->vt == VT_BSTR) {
      arg.isText = true;
      arg.text.assign(direct.get()->bstrVal, ::SysStringLen(direct.get()->bstrVal));
      return arg;
    }
    Variant number;
    if (SUCCEEDED(::VariantChangeType(number.put(), direct.get(), 0, VT_R8))) arg.value = number.get()->dblVal;
  }
  return arg;
}

}  // namespace

com_ptr<IDispatch> EventSink::Create(std::wstring control, const IID& source, com_ptr<ITypeInfo> info,
                                     Handler handler) {
  com_ptr<IDispatch> sink;
  sink.attach(new EventSink(std::move(control), source, std::move(info), std::move(handler)));
  return sink;
}

EventSink::EventSink(std::wstring control, const IID& source, com_ptr<ITypeInfo> info, Handler handler)
    : control_(std::move(control)), source_(source), info_(std::move(info)), handler_(std::move(handler)) {}

HRESULT EventSink::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 1;
  return S_OK;
}

HRESULT EventSink::GetTypeInfo(UINT index, LCID, ITypeInfo** info) {
  if (!info) return E_POINTER;
  if (index != 0) return DISP_E_BADINDEX;
  *info = info_.get();
  info_->AddRef();
  return S_OK;
}

HRESULT EventSink::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  return info_->GetIDsOfNames(names, count, ids);
}

ControlEvent EventSink::Decode(DISPID id, const DISPPARAMS& params) const {
  ControlEvent event{control_, L"Event" + std::to_wstring(id), {}};
  BSTR raw[16] = {};
  UINT found = 0;
  if (FAILED(info_->GetNames(id, raw, 16, &found))) found = 0;
  std::vector<unique_bstr> names;
  names.reserve(found);
  for (UINT i = 0; i < found; ++i) names.emplace_back(raw[i]);
  auto text = [](const unique_bstr& s) { return std::wstring(s.get(), ::SysStringLen(s.get())); };
  if (found > 0) event.name = text(names[0]);
  // DISPPARAMS holds the arguments last first.
  for (UINT i = 0; i < params.cArgs; ++i) {
    std::wstring name = i + 1 < found ? text(names[i + 1]) : L"Arg" + std::to_wstring(i + 1);
    event.arguments.push_back(ReadArgument(params.rgvarg[params.cArgs - 1 - i], std::move(name)));
  }
  return event;
}

HRESULT EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                          UINT*) {
  if (result) ::VariantInit(result);
  try {
    DISPPARAMS none{};
    handler_(Decode(id, params ? *params : none));
  } catch (...) {
    // A failing handler must not leave through the control's event call.
  }
  return S_OK;
}

}  // namespace zelvane::demo
