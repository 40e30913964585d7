#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace zelvane::core {

/// Splits text at every carriage return + line feed pair, left to right. Pieces keep
/// their order and empty pieces are kept, so joining them with CR LF gives the text
/// back; a lone CR or LF stays inside its piece.
std::vector<std::u16string> SplitCrLf(std::u16string_view text);

}  // namespace zelvane::core
