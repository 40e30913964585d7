#pragma once
#include <windows.h>
#include <unknwn.h>

namespace zelvane::demo {

/// IUnknown for a heap object that implements one interface: a reference count that
/// deletes the object at zero, and QueryInterface for IUnknown and what `Answers` names.
template <typename Interface>
class ComObjectBase : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || Answers(riid)) {
      *out = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }
  ULONG STDMETHODCALLTYPE Release() override {
    LONG left = ::InterlockedDecrement(&refs_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

 protected:
  ComObjectBase() = default;
  virtual ~ComObjectBase() = default;
  /// Whether the object answers for `riid` besides IUnknown.
  virtual bool Answers(REFIID riid) const = 0;

 private:
  LONG refs_ = 1;
};

}  // namespace zelvane::demo
