#include "string_enumerator.h"

#include <cstring>

namespace zelvane::demo {

using win32::com_ptr;

com_ptr<IEnumString> StringEnumerator::Create(std::shared_ptr<const std::vector<std::wstring>> items) {
  com_ptr<IEnumString> e;
  e.attach(new StringEnumerator(std::move(items)));
  return e;
}

HRESULT StringEnumerator::Next(ULONG count, LPOLESTR* out, ULONG* fetched) {
  if (!out || (count > 1 && !fetched)) return E_POINTER;
  ULONG given = 0;
  for (; given < count && next_ < items_->size(); ++given, ++next_) {
    const std::wstring& item = (*items_)[next_];
    size_t bytes = (item.size() + 1) * sizeof(wchar_t);
    auto* copy = static_cast<LPOLESTR>(::CoTaskMemAlloc(bytes));
    if (!copy) {
      for (ULONG i = 0; i < given; ++i) ::CoTaskMemFree(out[i]);
      next_ -= given;
      return E_OUTOFMEMORY;
    }
    std::memcpy(copy, item.c_str(), bytes);
    out[given] = copy;
  }
  if (fetched) *fetched = given;
  return given == count ? S_OK : S_FALSE;
}

HRESULT StringEnumerator::Skip(ULONG count) {
  next_ += count;
  if (next_ <= items_->size()) return S_OK;
  next_ = items_->size();
  return S_FALSE;
}

HRESULT StringEnumerator::Reset() {
  next_ = 0;
  return S_OK;
}

HRESULT StringEnumerator::Clone(IEnumString** out) {
  if (!out) return E_POINTER;
  auto* copy = new StringEnumerator(items_);
  copy->next_ = next_;
  *out = copy;
  return S_OK;
}

}  // namespace zelvane::demo
