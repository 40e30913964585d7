#pragma once
#include <cstdint>
#include <string_view>

namespace zelvane::host {

/// Tells a list box which characters of a row matched the typed text, for it to
/// draw them in bold.
class RowMatcher {
 public:
  /// UTF-16 positions within the row as stored; an empty span draws the row plain.
  struct Span {
    std::int32_t start = 0;
    std::int32_t length = 0;
    bool operator==(const Span&) const = default;
  };

  virtual ~RowMatcher() = default;
  virtual Span MatchedSpan(std::u16string_view row) const = 0;
};

}  // namespace zelvane::host
