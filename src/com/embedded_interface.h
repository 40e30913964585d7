#pragma once
#include <windows.h>
#include <unknwn.h>

namespace zelvane::com {

/// One interface of a COM object, embedded in the object that owns it: identity
/// and lifetime are the owner's, so IUnknown goes to the owner.
template <class Interface, class Owner>
class EmbeddedInterface : public Interface {
 public:
  explicit EmbeddedInterface(Owner& owner) : owner_(owner) {}
  EmbeddedInterface(const EmbeddedInterface&) = delete;
  EmbeddedInterface& operator=(const EmbeddedInterface&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override {
    return owner_.QueryInterface(riid, ppv);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return owner_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return owner_.Release(); }

 protected:
  ~EmbeddedInterface() = default;
  /// The object this interface belongs to.
  Owner& impl_from() const { return owner_; }

 private:
  Owner& owner_;
};

}  // namespace zelvane::com
