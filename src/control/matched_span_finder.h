#pragma once
#include <string>
#include <string_view>

#include "host/row_matcher.h"
#include "host/text_case.h"

namespace zelvane::control {

/// Finds the characters of a row that matched the text the rows were filtered
/// for: its start, or with matching anywhere the first place it occurs, ignoring
/// case. Pattern characters keep their meaning, and then the shortest run that
/// fits the pattern is the match.
class MatchedSpanFinder final : public host::RowMatcher {
 public:
  explicit MatchedSpanFinder(const host::TextCase& textCase) : textCase_(textCase) {}

  /// The upper-case text of the fill and whether it matched anywhere in a row.
  void SetFilter(std::u16string upperTyped, bool anywhere);
  Span MatchedSpan(std::u16string_view row) const override;

 private:
  Span PatternSpan(std::u16string_view upperRow) const;

  const host::TextCase& textCase_;
  std::u16string typed_;
  bool anywhere_ = false;
};

}  // namespace zelvane::control
