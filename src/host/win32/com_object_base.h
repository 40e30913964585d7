#pragma once
#include "host/win32/com_interface_base.h"

namespace zelvane::win32 {

/// A heap COM object that implements one interface and counts its own references:
/// it starts with one, for its creator, and deletes itself when the last goes.
template <typename Interface>
class ComObjectBase : public ComInterfaceBase<Interface> {
 public:
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = ::InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

 protected:
  ComObjectBase() = default;
  virtual ~ComObjectBase() = default;

 private:
  LONG refs_ = 1;
};

}  // namespace zelvane::win32
