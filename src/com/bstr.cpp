#include "com/bstr.h"

#include <new>

namespace zelvane::com {

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
