// Checks the compiled matcher against the plain backtracking one on short inputs,
// and that long hostile patterns (many '*') stay quick.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/pattern_match.h"
#include "like_reference.h"

namespace {

// Pattern characters and their neighbours come up often, so the fuzzer reaches the
// interesting cases quickly; the odd code units check that nothing is special-cased.
constexpr char16_t kAlphabet[] = {u'*', u'?', u'#', u'[', u']',    u'!',    u'-',    u'A',
                                  u'B', u'Z', u'0', u'9', u'\0', u'\xD800', u'\xFFFF', u'a'};
constexpr std::size_t kMaxPattern = 12;
constexpr std::size_t kMaxText = 16;

std::u16string Decode(const std::uint8_t* data, std::size_t size) {
  std::u16string out;
  for (std::size_t i = 0; i < size; ++i) out += kAlphabet[data[i] % std::size(kAlphabet)];
  return out;
}

void Print(const char* name, const std::u16string& s) {
  std::fprintf(stderr, "%s:", name);
  for (const char16_t c : s) std::fprintf(stderr, " %04X", static_cast<unsigned>(c));
  std::fprintf(stderr, "\n");
}

void Check(const std::u16string& text, const std::u16string& pattern) {
  const bool ours = zelvane::core::LikeMatch(text, pattern);
  if (ours == zelvane::fuzz::ReferenceLike(text, pattern)) return;
  Print("pattern", pattern);
  Print("text", text);
  std::fprintf(stderr, "compiled matcher says %d, reference disagrees\n", ours);
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t mode = data[0];
  const std::u16string chars = Decode(data + 1, size - 1);
  if (mode & 0x80) {
    // Long input: too slow for the reference, so only ours runs; it must not blow up.
    const std::u16string pattern = chars.substr(0, chars.size() / 2);
    const std::u16string text = chars.substr(pattern.size());
    zelvane::core::LikePattern(pattern).Matches(text);
    zelvane::core::LikePattern(pattern + u'*').Matches(text);
    return 0;
  }
  const std::u16string pattern = chars.substr(0, (mode & 0x7F) % (kMaxPattern + 1));
  const std::u16string text = chars.substr(pattern.size(), kMaxText);
  Check(text, pattern);
  // The completion filter's shape: the typed text followed by one '*'.
  Check(text, pattern + u'*');
  return 0;
}
