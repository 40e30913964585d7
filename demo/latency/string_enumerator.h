#pragma once
#include <windows.h>
#include <objidl.h>

#include <memory>
#include <string>
#include <vector>

#include "com_ptr.h"

namespace zelvane::demo {

/// IEnumString over a shared list of strings: what the shell's autocomplete reads.
class StringEnumerator final : public IEnumString {
 public:
  static com_ptr<IEnumString> Create(std::shared_ptr<const std::vector<std::wstring>> items);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE Next(ULONG count, LPOLESTR* out, ULONG* fetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumString** out) override;

 private:
  explicit StringEnumerator(std::shared_ptr<const std::vector<std::wstring>> items) : items_(std::move(items)) {}
  ~StringEnumerator() = default;

  LONG refs_ = 1;
  std::shared_ptr<const std::vector<std::wstring>> items_;
  size_t next_ = 0;
};

}  // namespace zelvane::demo
