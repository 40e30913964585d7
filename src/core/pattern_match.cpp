#include "core/pattern_match.h"

#include <algorithm>

namespace zelvane::core {

LikePattern::LikePattern(std::u16string_view pattern) {
  // A '[' after the last ']' can never be closed; it stands for itself.
  const std::size_t last_close = pattern.rfind(u']');
  std::size_t i = 0;
  while (i < pattern.size()) {
    const char16_t c = pattern[i];
    if (c == u'*') {
      AddAnyRun();
    } else if (c == u'?') {
      AddClass(true, {});
    } else if (c == u'#') {
      AddRange(u'0', u'9');
    } else if (c == u'[' && last_close != std::u16string_view::npos && i < last_close) {
      // Each group is read once and skipped whole, so compiling stays linear.
      const std::size_t close = pattern.find(u']', i + 1);
      if (!AddGroup(pattern.substr(i + 1, close - i - 1))) {
        for (std::size_t g = i; g <= close; ++g) AddRange(pattern[g], pattern[g]);
      }
      i = close + 1;
      continue;
    } else {
      AddRange(c, c);
    }
    ++i;
  }

  const auto literal = [this](const Token& t) { return IsLiteral(t); };
  plain_prefix_ = !tokens_.empty() && tokens_.back().any_run && std::all_of(tokens_.begin(), tokens_.end() - 1, literal);
  plain_infix_ = !plain_prefix_ && tokens_.size() > 2 && tokens_.front().any_run && tokens_.back().any_run &&
                 std::all_of(tokens_.begin() + 1, tokens_.end() - 1, literal);
  if (plain_prefix_ || plain_infix_) {
    for (const Token& t : tokens_) {
      if (!t.any_run) literal_ += ranges_[t.first].low;
    }
  }
}

bool LikePattern::AddGroup(std::u16string_view body) {
  const bool negated = !body.empty() && body[0] == u'!';
  if (negated) body.remove_prefix(1);
  std::vector<CharRange> ranges;
  std::size_t i = 0;
  if (!body.empty() && body[0] == u'-') {
    ranges.push_back({u'-', u'-'});
    i = 1;
  }
  while (i < body.size()) {
    // "x-y" needs a y before the ']'; a '-' just before ']' stands for itself.
    if (i + 2 < body.size() && body[i + 1] == u'-') {
      if (body[i] > body[i + 2]) return false;
      ranges.push_back({body[i], body[i + 2]});
      i += 3;
    } else {
      ranges.push_back({body[i], body[i]});
      ++i;
    }
  }
  // "[]" matches zero characters, so it leaves no token at all.
  if (negated || !ranges.empty()) AddClass(negated, ranges);
  return true;
}

void LikePattern::AddClass(bool negated, std::span<const CharRange> ranges) {
  Token token;
  token.negated = negated;
  token.first = static_cast<std::uint32_t>(ranges_.size());
  token.count = static_cast<std::uint32_t>(ranges.size());
  ranges_.insert(ranges_.end(), ranges.begin(), ranges.end());
  tokens_.push_back(token);
}

void LikePattern::AddRange(char16_t low, char16_t high) {
  const CharRange range{low, high};
  AddClass(false, {&range, 1});
}

void LikePattern::AddAnyRun() {
  // Runs of '*' mean the same as one; collapsing them keeps the matcher's steps down.
  if (!tokens_.empty() && tokens_.back().any_run) return;
  Token token;
  token.any_run = true;
  tokens_.push_back(token);
}

bool LikePattern::IsLiteral(const Token& token) const {
  return !token.any_run && !token.negated && token.count == 1 &&
         ranges_[token.first].low == ranges_[token.first].high;
}

bool LikePattern::TokenMatches(const Token& token, char16_t c) const {
  const auto begin = ranges_.begin() + token.first;
  const bool in_list = std::any_of(begin, begin + token.count, [c](const CharRange& r) {
    return r.low <= c && c <= r.high;
  });
  return in_list != token.negated;
}

// Every token but '*' takes exactly one character, so on a mismatch it is enough to
// let the latest '*' swallow one more character and retry from there: an earlier '*'
// could only reach positions the latest one covers too. At most pattern x text steps.
bool LikePattern::MatchTokens(std::u16string_view text) const {
  constexpr std::size_t kNoStar = static_cast<std::size_t>(-1);
  std::size_t p = 0;
  std::size_t t = 0;
  std::size_t star = kNoStar;
  std::size_t star_text = 0;
  while (t < text.size()) {
    if (p < tokens_.size() && tokens_[p].any_run) {
      star = p++;
      star_text = t;
    } else if (p < tokens_.size() && TokenMatches(tokens_[p], text[t])) {
      ++p;
      ++t;
    } else if (star != kNoStar) {
      p = star + 1;
      t = ++star_text;
    } else {
      return false;
    }
  }
  while (p < tokens_.size() && tokens_[p].any_run) ++p;
  return p == tokens_.size();
}

bool LikeMatch(std::u16string_view text, std::u16string_view pattern) {
  return LikePattern(pattern).Matches(text);
}

}  // namespace zelvane::core
