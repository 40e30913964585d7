#pragma once
#include "host/win32/windows_api.h"

#include <ocidl.h>

#include <functional>

#include "host/win32/com_object_base.h"

namespace zelvane::win32 {

/// The IPropertyNotifySink a font object calls when one of its properties changes.
/// Counted like any COM object; its owner cuts the callback before letting go.
class FontChangeSink final : public ComObjectBase<IPropertyNotifySink> {
 public:
  explicit FontChangeSink(std::function<void()> onChanged) : onChanged_(std::move(onChanged)) {}
  void Disconnect() noexcept { onChanged_ = nullptr; }

  HRESULT STDMETHODCALLTYPE OnChanged(DISPID dispID) override;
  HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID dispID) override;

 private:
  ~FontChangeSink() override = default;

  std::function<void()> onChanged_;
};

}  // namespace zelvane::win32
