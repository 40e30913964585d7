#pragma once
#include <windows.h>
#include <oaidl.h>

namespace zelvane::com {

/// Reads a property (or calls a method without arguments) of a dispatch object
/// by id; the result goes into `result`, which must be empty.
HRESULT GetDispatchProperty(IDispatch& object, DISPID id, VARIANT* result);
/// The same by name, for objects whose ids are not known in advance.
HRESULT GetDispatchProperty(IDispatch& object, const wchar_t* name, VARIANT* result);

}  // namespace zelvane::com
