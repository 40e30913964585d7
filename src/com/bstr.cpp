#include "com/bstr.h"

#include <new>
#include <utility>

namespace zelvane::com {

unique_bstr::unique_bstr(std::u16string_view text) : b_(ToNewBstr(text)) {}

unique_bstr::unique_bstr(unique_bstr&& other) noexcept : b_(std::exchange(other.b_, nullptr)) {}

unique_bstr& unique_bstr::operator=(unique_bstr&& other) noexcept {
  if (this != &other) {
    reset();
    b_ = std::exchange(other.b_, nullptr);
  }
  return *this;
}

void unique_bstr::reset() noexcept { SysFreeString(std::exchange(b_, nullptr)); }

BSTR* unique_bstr::put() noexcept {
  reset();
  return &b_;
}

BSTR unique_bstr::release() noexcept { return std::exchange(b_, nullptr); }

std::u16string FromBstr(BSTR text) {
  if (!text) return {};
  return {reinterpret_cast<const char16_t*>(text), SysStringLen(text)};
}

BSTR ToNewBstr(std::u16string_view text) {
  BSTR b = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), static_cast<UINT>(text.size()));
  if (!b) throw std::bad_alloc();
  return b;
}

}  // namespace zelvane::com
