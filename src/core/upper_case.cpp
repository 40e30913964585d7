#include "core/upper_case.h"

namespace zelvane::core {
namespace {

// Latin Extended-A runs where upper and lower case alternate: `upperIsEven` says
// which of each pair is the capital.
struct AlternatingRun {
  char16_t first;
  char16_t last;
  bool upperIsEven;
};

constexpr AlternatingRun kLatinExtendedA[] = {
    {0x0100, 0x012F, true},
    {0x0132, 0x0137, true},
    {0x0139, 0x0148, false},
    {0x014A, 0x0177, true},
    {0x0179, 0x017E, false},
};

char16_t LatinExtendedAUpper(char16_t ch) {
  switch (ch) {
    case 0x0131: return u'I';     // dotless i
    case 0x017F: return u'S';     // long s
    default: break;
  }
  for (const auto& run : kLatinExtendedA) {
    if (ch < run.first || ch > run.last) continue;
    const bool even = (ch % 2) == 0;
    return even == run.upperIsEven ? ch : static_cast<char16_t>(ch - 1);
  }
  return ch;
}

char16_t GreekUpper(char16_t ch) {
  if (ch == 0x03C2) return 0x03A3;  // final sigma
  if ((ch >= 0x03B1 && ch <= 0x03C1) || (ch >= 0x03C3 && ch <= 0x03CB)) return static_cast<char16_t>(ch - 0x20);
  if (ch == 0x03AC) return 0x0386;
  if (ch >= 0x03AD && ch <= 0x03AF) return static_cast<char16_t>(ch - 0x25);
  if (ch == 0x03CC) return 0x038C;
  if (ch == 0x03CD || ch == 0x03CE) return static_cast<char16_t>(ch - 0x3F);
  return ch;
}

char16_t CyrillicUpper(char16_t ch) {
  if (ch >= 0x0430 && ch <= 0x044F) return static_cast<char16_t>(ch - 0x20);
  if (ch >= 0x0450 && ch <= 0x045F) return static_cast<char16_t>(ch - 0x50);
  return ch;
}

}  // namespace

char16_t ToUpperPortable(char16_t ch) {
  if (ch < 0x80) return (ch >= u'a' && ch <= u'z') ? static_cast<char16_t>(ch - 0x20) : ch;
  if (ch < 0x100) {
    if (ch == 0xFF) return 0x0178;
    // 0xF7 is the division sign; 0xDF (sharp s) and 0xB5 (micro) have no
    // single-character capital here.
    return (ch >= 0xE0 && ch <= 0xFE && ch != 0xF7) ? static_cast<char16_t>(ch - 0x20) : ch;
  }
  if (ch < 0x180) return LatinExtendedAUpper(ch);
  if (ch >= 0x0370 && ch < 0x0400) return GreekUpper(ch);
  if (ch >= 0x0400 && ch < 0x0500) return CyrillicUpper(ch);
  return ch;
}

std::u16string ToUpperPortable(std::u16string_view text) {
  std::u16string upper(text);
  for (auto& ch : upper) ch = ToUpperPortable(ch);
  return upper;
}

}  // namespace zelvane::core
