#pragma once
#include <windows.h>
#include <objidl.h>

#include <memory>
#include <string>
#include <vector>

#include "host/win32/com_object_base.h"
#include "host/win32/com_ptr.h"

namespace zelvane::demo {

/// IEnumString over a shared list of strings: what the shell's autocomplete reads.
class StringEnumerator final : public win32::ComObjectBase<IEnumString> {
 public:
  static win32::com_ptr<IEnumString> Create(std::shared_ptr<const std::vector<std::wstring>> items);

  HRESULT STDMETHODCALLTYPE Next(ULONG count, LPOLESTR* out, ULONG* fetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumString** out) override;

 private:
  explicit StringEnumerator(std::shared_ptr<const std::vector<std::wstring>> items) : items_(std::move(items)) {}

  std::shared_ptr<const std::vector<std::wstring>> items_;
  size_t next_ = 0;
};

}  // namespace zelvane::demo
