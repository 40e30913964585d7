// Checks that splitting a saved list at CR LF loses nothing: joining the pieces with
// CR LF gives the input back, and no piece still holds a CR LF.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/line_split.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // CR and LF come up often; other bytes give code units from the whole 16-bit range.
  std::u16string text;
  for (std::size_t i = 0; i < size; ++i) {
    switch (data[i] % 4) {
      case 0: text += u'\r'; break;
      case 1: text += u'\n'; break;
      case 2: text += u'A'; break;
      default: text += static_cast<char16_t>(data[i] * 257u); break;
    }
  }
  const auto pieces = zelvane::core::SplitCrLf(text);
  std::u16string joined;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (pieces[i].find(u"\r\n") != std::u16string::npos) std::abort();
    if (i > 0) joined += u"\r\n";
    joined += pieces[i];
  }
  if (joined != text) std::abort();
  return 0;
}
