#pragma once
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zelvane::core {

/// A compiled pattern of the Like operator's subset that the completion filter uses.
/// Compile once, then match many texts.
///
/// Characters are UTF-16 code units compared exactly; the caller upper-cases both
/// sides first. The whole text must fit the pattern.
///   ?         any one character
///   *         any run of characters, also none
///   #         one digit 0-9
///   [list]    one character in the list; "x-y" in the list is the range x..y; a '-'
///             first (after an optional '!') or last is itself; ? * # [ are themselves
///   [!list]   one character not in the list
///   other     itself; so are ']' and '!' outside brackets
///
/// Texts that are not well-formed patterns still filter: the user may type anything.
///   []        matches no character at all: it is skipped ("A[]B" fits "AB").
///   [!]       any one character: the list excludes nothing.
///   [ with no ] after it stands for itself, and the pattern goes on after it:
///             "[A*" fits the texts that begin with "[A".
///   A group holding a range from high to low stands for its own characters,
///             brackets included: "[Z-A]" fits only the text "[Z-A]".
///
/// Matching takes at most len(pattern) x len(text) steps, whatever the input.
class LikePattern {
 public:
  explicit LikePattern(std::u16string_view pattern);

  // Inline: the filter calls it once for every item of the list, and the usual
  // patterns are a plain prefix or, matching anywhere, a plain infix.
  bool Matches(std::u16string_view text) const {
    if (plain_prefix_) return text.starts_with(literal_);
    if (plain_infix_) return text.find(literal_) != std::u16string_view::npos;
    return MatchTokens(text);
  }

  /// Plain characters followed by one '*' (the filter's usual pattern): Matches is
  /// then a prefix compare.
  bool IsPlainPrefix() const { return plain_prefix_; }
  /// Plain characters between two '*' (the filter's pattern when it matches
  /// anywhere): Matches is then a substring search.
  bool IsPlainInfix() const { return plain_infix_; }

 private:
  struct CharRange {
    char16_t low;
    char16_t high;
  };
  // One '*', or one character: in (or, negated, not in) ranges_[first, first + count).
  struct Token {
    bool any_run = false;
    bool negated = false;
    std::uint32_t first = 0;
    std::uint32_t count = 0;
  };

  // Adds the group whose text between '[' and ']' is body; false, adding nothing,
  // when it holds a range from high to low.
  bool AddGroup(std::u16string_view body);
  void AddClass(bool negated, std::span<const CharRange> ranges);
  void AddRange(char16_t low, char16_t high);
  void AddAnyRun();
  bool IsLiteral(const Token& token) const;
  bool TokenMatches(const Token& token, char16_t c) const;
  bool MatchTokens(std::u16string_view text) const;

  std::vector<Token> tokens_;
  std::vector<CharRange> ranges_;
  std::u16string literal_;  // the plain characters of a plain prefix or infix
  bool plain_prefix_ = false;
  bool plain_infix_ = false;
};

/// One-off match of text against pattern, with LikePattern's rules.
bool LikeMatch(std::u16string_view text, std::u16string_view pattern);

}  // namespace zelvane::core
