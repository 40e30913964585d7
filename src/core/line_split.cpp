#include "core/line_split.h"

namespace zelvane::core {

std::vector<std::u16string> SplitCrLf(std::u16string_view text) {
  constexpr std::u16string_view kCrLf = u"\r\n";
  std::vector<std::u16string> pieces;
  std::size_t start = 0;
  for (std::size_t end = text.find(kCrLf); end != std::u16string_view::npos;
       end = text.find(kCrLf, start)) {
    pieces.emplace_back(text.substr(start, end - start));
    start = end + kCrLf.size();
  }
  pieces.emplace_back(text.substr(start));
  return pieces;
}

}  // namespace zelvane::core
