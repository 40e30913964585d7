#pragma once
#include <string>
#include <string_view>

namespace zelvane::host {

/// The platform's conversion of a whole string to upper case.
class TextCase {
 public:
  virtual ~TextCase() = default;
  virtual std::u16string ToUpper(std::u16string_view text) const = 0;
};

}  // namespace zelvane::host
