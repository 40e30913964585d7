#include "host/win32/win32_text_case.h"

#include "host/win32/windows_api.h"

#include <algorithm>
#include <climits>
#include <new>

namespace zelvane::win32 {
namespace {

int MapUpper(std::u16string_view text, char16_t* out, int outLength) {
  return ::LCMapStringEx(LOCALE_NAME_USER_DEFAULT, LCMAP_UPPERCASE, reinterpret_cast<LPCWSTR>(text.data()),
                         static_cast<int>(text.size()), reinterpret_cast<LPWSTR>(out), outLength, nullptr, nullptr,
                         0);
}

}  // namespace

std::u16string Win32TextCase::ToUpper(std::u16string_view text) const {
  if (text.empty()) return {};
  if (text.size() > static_cast<std::size_t>(INT_MAX)) throw std::bad_alloc();
  const int length = MapUpper(text, nullptr, 0);
  // The system refuses only what it cannot map at all; such text keeps its case.
  if (length <= 0) return std::u16string(text);
  std::u16string upper(static_cast<std::size_t>(length), u'\0');
  upper.resize(static_cast<std::size_t>(std::max(MapUpper(text, upper.data(), length), 0)));
  return upper;
}

}  // namespace zelvane::win32
