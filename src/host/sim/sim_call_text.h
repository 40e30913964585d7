#pragma once
#include <string>
#include <string_view>

namespace zelvane::sim {

/// "Name(a, b, c)" with each argument in decimal: one entry of the call log.
template <typename... Args>
std::string CallText(std::string_view name, Args... args) {
  std::string text(name);
  text += '(';
  [[maybe_unused]] const char* separator = "";
  ((text += separator, text += std::to_string(args), separator = ", "), ...);
  text += ')';
  return text;
}

}  // namespace zelvane::sim
