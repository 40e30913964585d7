#pragma once
#include "host/win32/windows_api.h"

#include <unknwn.h>

namespace zelvane::win32 {

/// QueryInterface of an object that implements one COM interface: it answers for
/// IUnknown, for `Interface` and for what `Answers` adds. AddRef and Release are the
/// derived class's: a count of its own (ComObjectBase) or its owner's.
template <typename Interface>
class ComInterfaceBase : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == __uuidof(Interface) || Answers(riid)) {
      *out = static_cast<Interface*>(this);
      this->AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }

 protected:
  ComInterfaceBase() = default;
  ~ComInterfaceBase() = default;
  /// Further interface identifiers the object answers for, such as a sink's event interface.
  virtual bool Answers(REFIID) const { return false; }
};

}  // namespace zelvane::win32
