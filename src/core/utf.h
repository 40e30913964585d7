#pragma once
#include <string>
#include <string_view>

namespace zelvane::core {

/// UTF-16 <-> UTF-8 for logs, tests and file storage. Unpaired surrogates and
/// malformed bytes become U+FFFD rather than failing: text must never be lost whole.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

}  // namespace zelvane::core
