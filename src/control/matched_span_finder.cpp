#include "control/matched_span_finder.h"

#include <algorithm>
#include <utility>

#include "core/pattern_match.h"

namespace zelvane::control {
namespace {

// A pattern is tried on every run of a row; no list shows more characters than these.
constexpr std::size_t kLongestPatternSearch = 256;

bool HasPatternCharacters(std::u16string_view text) { return text.find_first_of(u"?*#[") != std::u16string_view::npos; }

}  // namespace

void MatchedSpanFinder::SetFilter(std::u16string upperTyped, bool anywhere) {
  typed_ = std::move(upperTyped);
  anywhere_ = anywhere;
}

host::RowMatcher::Span MatchedSpanFinder::MatchedSpan(std::u16string_view row) const {
  if (typed_.empty()) return {};
  const std::u16string upper = textCase_.ToUpper(row);
  // The drawing counts in the row's own characters.
  if (upper.size() != row.size()) return {};
  if (HasPatternCharacters(typed_)) return PatternSpan(upper);
  const std::size_t at = anywhere_ ? upper.find(typed_) : (upper.starts_with(typed_) ? 0 : std::u16string::npos);
  if (at == std::u16string::npos) return {};
  return {static_cast<std::int32_t>(at), static_cast<std::int32_t>(typed_.size())};
}

// The leftmost start, then the shortest run from it that the pattern fits.
host::RowMatcher::Span MatchedSpanFinder::PatternSpan(std::u16string_view upperRow) const {
  const core::LikePattern pattern(typed_);
  const std::u16string_view searched = upperRow.substr(0, std::min(upperRow.size(), kLongestPatternSearch));
  const std::size_t lastStart = anywhere_ ? searched.size() : 0;
  for (std::size_t start = 0; start <= lastStart && start < searched.size(); ++start) {
    for (std::size_t end = start + 1; end <= searched.size(); ++end) {
      if (pattern.Matches(searched.substr(start, end - start))) {
        return {static_cast<std::int32_t>(start), static_cast<std::int32_t>(end - start)};
      }
    }
  }
  return {};
}

}  // namespace zelvane::control
