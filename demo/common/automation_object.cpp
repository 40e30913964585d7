#include "automation_object.h"

#include <algorithm>

#include "com_error.h"
#include "text.h"

namespace zelvane::demo {

using win32::com_ptr;

namespace {

std::string MemberText(const wchar_t* name) { return "member " + ToUtf8(name); }

// Raises the control's own error (number, source, description) for the person to read.
[[noreturn]] void ThrowInvokeError(HRESULT hr, const wchar_t* name, EXCEPINFO& info) {
  std::string what = MemberText(name);
  if (hr == DISP_E_EXCEPTION) {
    if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
    if (info.bstrSource) what += " [" + ToUtf8(info.bstrSource) + "]";
    if (info.bstrDescription) what += ": " + ToUtf8(info.bstrDescription);
    hr = info.scode ? info.scode : static_cast<HRESULT>(0x800A0000 + info.wCode);
  }
  ::SysFreeString(info.bstrSource);
  ::SysFreeString(info.bstrDescription);
  ::SysFreeString(info.bstrHelpFile);
  throw ComError(hr, what);
}

}  // namespace

AutomationObject::AutomationObject(com_ptr<IDispatch> object) : object_(std::move(object)) {
  if (!object_) throw ComError(E_NOINTERFACE, "the control's IDispatch");
}

DISPID AutomationObject::IdOf(const wchar_t* name) const {
  DISPID id = DISPID_UNKNOWN;
  auto* names = const_cast<LPOLESTR>(name);
  ThrowIfFailed(object_->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id),
                MemberText(name).c_str());
  return id;
}

Variant AutomationObject::Invoke(const wchar_t* name, WORD flags, std::vector<Variant>& args,
                                 DISPID* named) const {
  // DISPPARAMS holds the arguments last first.
  std::vector<VARIANT> reversed;
  for (auto& a : args) reversed.push_back(*a.get());
  std::reverse(reversed.begin(), reversed.end());
  DISPPARAMS params{reversed.data(), named, static_cast<UINT>(reversed.size()), named ? 1u : 0u};
  Variant result;
  EXCEPINFO info{};
  UINT bad_arg = 0;
  HRESULT hr = object_->Invoke(IdOf(name), IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                               flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF) ? nullptr
                                                                                       : result.put(),
                               &info, &bad_arg);
  if (FAILED(hr)) ThrowInvokeError(hr, name, info);
  return result;
}

Variant AutomationObject::Get(const wchar_t* name) const {
  std::vector<Variant> none;
  return Invoke(name, DISPATCH_PROPERTYGET, none, nullptr);
}

void AutomationObject::Put(const wchar_t* name, const Variant& value) const {
  std::vector<Variant> args{value};
  DISPID put_id = DISPID_PROPERTYPUT;
  Invoke(name, DISPATCH_PROPERTYPUT, args, &put_id);
}

void AutomationObject::PutRef(const wchar_t* name, IDispatch* value) const {
  Variant v;
  v.get()->vt = VT_DISPATCH;
  v.get()->pdispVal = value;
  value->AddRef();
  std::vector<Variant> args{v};
  DISPID put_id = DISPID_PROPERTYPUT;
  Invoke(name, DISPATCH_PROPERTYPUTREF, args, &put_id);
}

Variant AutomationObject::Call(const wchar_t* name, std::vector<Variant> args) const {
  return Invoke(name, DISPATCH_METHOD, args, nullptr);
}

HWND AutomationObject::GetHwnd(const wchar_t* name) const {
  return reinterpret_cast<HWND>(static_cast<INT_PTR>(GetLong(name)));
}

}  // namespace zelvane::demo
