#pragma once
#include <optional>
#include <string_view>

namespace zelvane::fuzz {

// Whether c is in a bracket list (the text between '[' and ']', without a leading
// '!'); nothing when the list holds a range from high to low.
inline std::optional<bool> ListHas(std::u16string_view list, char16_t c) {
  bool has = false;
  std::size_t k = 0;
  while (k < list.size()) {
    const bool leading_dash = k == 0 && list[0] == u'-';
    const bool range = !leading_dash && k + 2 < list.size() && list[k + 1] == u'-';
    const char16_t low = list[k];
    const char16_t high = range ? list[k + 2] : low;
    if (low > high) return std::nullopt;
    has = has || (low <= c && c <= high);
    k += range ? 3 : 1;
  }
  return has;
}

// Plain backtracking matcher, written straight from the rules to check the compiled
// one against. Exponential in the number of '*': short inputs only.
inline bool ReferenceLike(std::u16string_view text, std::u16string_view pattern) {
  if (pattern.empty()) return text.empty();
  const char16_t c = pattern[0];
  if (c == u'*') {
    const std::size_t next = pattern.find_first_not_of(u'*');
    const std::u16string_view rest =
        next == std::u16string_view::npos ? std::u16string_view{} : pattern.substr(next);
    for (std::size_t skip = 0; skip <= text.size(); ++skip) {
      if (ReferenceLike(text.substr(skip), rest)) return true;
    }
    return false;
  }
  const std::size_t close = c == u'[' ? pattern.find(u']', 1) : std::u16string_view::npos;
  if (close != std::u16string_view::npos) {
    std::u16string_view list = pattern.substr(1, close - 1);
    const std::u16string_view after = pattern.substr(close + 1);
    if (list.empty()) return ReferenceLike(text, after);
    const bool negated = list[0] == u'!';
    if (negated) list.remove_prefix(1);
    const std::u16string_view group = pattern.substr(0, close + 1);
    if (!ListHas(list, u'\0')) {
      return text.starts_with(group) && ReferenceLike(text.substr(group.size()), after);
    }
    return !text.empty() && *ListHas(list, text[0]) != negated &&
           ReferenceLike(text.substr(1), after);
  }
  if (text.empty()) return false;
  const bool one = c == u'?' || (c == u'#' ? u'0' <= text[0] && text[0] <= u'9' : text[0] == c);
  return one && ReferenceLike(text.substr(1), pattern.substr(1));
}

}  // namespace zelvane::fuzz
