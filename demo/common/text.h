#pragma once
#include <string>
#include <string_view>

namespace zelvane::demo {

/// UTF-16 to UTF-8, for printing events and messages on the console.
std::string ToUtf8(std::wstring_view text);

/// Writes one line to stdout and flushes it, so lines keep their order with Wine's output.
void PrintLine(const std::string& line);

}  // namespace zelvane::demo
