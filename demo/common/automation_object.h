#pragma once
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

#include "variant.h"

#include "host/win32/com_ptr.h"

namespace zelvane::demo {

/// Late-bound access to an automation object by member name (GetIDsOfNames + Invoke),
/// so the demo works with any build of the control without its headers.
class AutomationObject {
 public:
  explicit AutomationObject(win32::com_ptr<IDispatch> object);

  Variant Get(const wchar_t* name) const;
  void Put(const wchar_t* name, const Variant& value) const;
  /// Sets an object-valued property by reference (DISPATCH_PROPERTYPUTREF).
  void PutRef(const wchar_t* name, IDispatch* value) const;
  /// Calls a method; `args` in declaration order.
  Variant Call(const wchar_t* name, std::vector<Variant> args = {}) const;

  long GetLong(const wchar_t* name) const { return Get(name).AsLong(); }
  /// A window handle property: 32-bit on the interface, sign-extended as Windows does.
  HWND GetHwnd(const wchar_t* name) const;

  IDispatch* get() const { return object_.get(); }

 private:
  DISPID IdOf(const wchar_t* name) const;
  Variant Invoke(const wchar_t* name, WORD flags, std::vector<Variant>& args, DISPID* named) const;

  win32::com_ptr<IDispatch> object_;
};

}  // namespace zelvane::demo
