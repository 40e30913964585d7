#pragma once
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>

namespace zelvane::com {

/// A null BSTR is the empty string, as automation defines it.
std::u16string FromBstr(BSTR text);
/// A new BSTR the caller owns; throws std::bad_alloc when there is no memory.
BSTR ToNewBstr(std::u16string_view text);

}  // namespace zelvane::com
