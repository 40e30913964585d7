#pragma once
#include "host/win32/windows_api.h"

#include <ocidl.h>

#include <functional>

namespace zelvane::win32 {

/// The IPropertyNotifySink a font object calls when one of its properties changes.
/// Counted like any COM object; its owner cuts the callback before letting go.
class FontChangeSink final : public IPropertyNotifySink {
 public:
  explicit FontChangeSink(std::function<void()> onChanged) : onChanged_(std::move(onChanged)) {}
  void Disconnect() noexcept { onChanged_ = nullptr; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE OnChanged(DISPID dispID) override;
  HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID dispID) override;

 private:
  ~FontChangeSink() = default;

  ULONG refs_ = 1;
  std::function<void()> onChanged_;
};

}  // namespace zelvane::win32
