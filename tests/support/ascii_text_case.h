#pragma once
#include <string>
#include <string_view>

#include "host/text_case.h"

namespace zelvane::support {

/// Upper-cases a to z only: enough for lists whose items differ in ASCII case.
class AsciiTextCase final : public host::TextCase {
 public:
  std::u16string ToUpper(std::u16string_view text) const override {
    std::u16string upper(text);
    for (char16_t& c : upper) {
      if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - (u'a' - u'A'));
    }
    return upper;
  }
};

}  // namespace zelvane::support
