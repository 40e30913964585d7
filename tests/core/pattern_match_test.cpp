#include "core/pattern_match.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "core/utf.h"

namespace zelvane::core {
namespace {

struct MatchCase {
  std::u16string pattern;
  std::u16string text;
  bool matches;
};

void PrintTo(const MatchCase& c, std::ostream* os) {
  *os << '"' << ToUtf8(c.text) << "\" Like \"" << ToUtf8(c.pattern) << "\" = " << c.matches;
}

class LikeMatchTest : public testing::TestWithParam<MatchCase> {};

TEST_P(LikeMatchTest, MatchesAsTheRulesSay) {
  const MatchCase& c = GetParam();
  EXPECT_EQ(LikeMatch(c.text, c.pattern), c.matches);
}

INSTANTIATE_TEST_SUITE_P(WholeTextExactly, LikeMatchTest,
                         testing::Values(MatchCase{u"ABC", u"ABC", true},
                                         MatchCase{u"ABC", u"ABCD", false},
                                         MatchCase{u"ABC", u"AB", false},
                                         MatchCase{u"", u"", true},
                                         MatchCase{u"", u"A", false},
                                         MatchCase{u"abc", u"ABC", false}));

INSTANTIATE_TEST_SUITE_P(AnyOneCharacter, LikeMatchTest,
                         testing::Values(MatchCase{u"?", u"X", true},
                                         MatchCase{u"?", u"", false},
                                         MatchCase{u"??", u"A", false},
                                         MatchCase{u"?A*", u"BANANA", true},
                                         MatchCase{u"?A*", u"ABBA", false},
                                         MatchCase{u"?A", u"BANANA", false}));

INSTANTIATE_TEST_SUITE_P(AnyRun, LikeMatchTest,
                         testing::Values(MatchCase{u"*", u"", true},
                                         MatchCase{u"**", u"", true},
                                         MatchCase{u"*ON", u"LEMON", true},
                                         MatchCase{u"*ON", u"ONION", true},
                                         MatchCase{u"*ON", u"ONIONS", false},
                                         MatchCase{u"*ON*", u"PONY", true},
                                         MatchCase{u"*ON*", u"OPEN", false},
                                         MatchCase{u"A*B", u"AXXB", true},
                                         MatchCase{u"A*B", u"AXXBC", false},
                                         MatchCase{u"A*B*C", u"ABBCBC", true},
                                         MatchCase{u"*A*A", u"BAAB", false},
                                         MatchCase{u"*AB", u"AAB", true}));

INSTANTIATE_TEST_SUITE_P(PrefixWithTrailingStar, LikeMatchTest,
                         testing::Values(MatchCase{u"AB*", u"AB", true},
                                         MatchCase{u"AB*", u"ABX", true},
                                         MatchCase{u"AB*", u"A", false},
                                         MatchCase{u"AB*", u"XAB", false},
                                         MatchCase{u"[A]B*", u"ABC", true}));

INSTANTIATE_TEST_SUITE_P(InfixBetweenStars, LikeMatchTest,
                         testing::Values(MatchCase{u"*ON*", u"ON", true},
                                         MatchCase{u"*ON*", u"LEMON", true},
                                         MatchCase{u"*ON*", u"ONION", true},
                                         MatchCase{u"*ON*", u"O", false},
                                         MatchCase{u"*ON*", u"NO", false},
                                         MatchCase{u"*[?]N*", u"A?N", true},
                                         MatchCase{u"*[?]N*", u"AXN", false}));

INSTANTIATE_TEST_SUITE_P(Digit, LikeMatchTest,
                         testing::Values(MatchCase{u"#", u"0", true},
                                         MatchCase{u"#", u"9", true},
                                         MatchCase{u"#", u"/", false},
                                         MatchCase{u"#", u":", false},
                                         MatchCase{u"#", u"", false},
                                         MatchCase{u"#", u"\u0663", false},
                                         MatchCase{u"#*", u"2FAST", true},
                                         MatchCase{u"#*", u"FAST2", false},
                                         MatchCase{u"##", u"12", true}));

INSTANTIATE_TEST_SUITE_P(CharacterList, LikeMatchTest,
                         testing::Values(MatchCase{u"[A-C]*", u"BANANA", true},
                                         MatchCase{u"[A-C]*", u"DATE", false},
                                         MatchCase{u"[A-C]", u"A", true},
                                         MatchCase{u"[A-C]", u"C", true},
                                         MatchCase{u"[A-C]", u"-", false},
                                         MatchCase{u"[ABC]", u"B", true},
                                         MatchCase{u"[ABC]", u"D", false},
                                         MatchCase{u"[AB]", u"AB", false},
                                         MatchCase{u"[A-CX-Z]", u"Y", true},
                                         MatchCase{u"[A-CX-Z]", u"M", false},
                                         MatchCase{u"[A-A]", u"A", true},
                                         MatchCase{u"[\u00C0-\u00DD]", u"\u00C9", true}));

INSTANTIATE_TEST_SUITE_P(WildcardsInsideList, LikeMatchTest,
                         testing::Values(MatchCase{u"[?]", u"?", true},
                                         MatchCase{u"[?]", u"A", false},
                                         MatchCase{u"[*]", u"*", true},
                                         MatchCase{u"[*]", u"", false},
                                         MatchCase{u"[#]", u"#", true},
                                         MatchCase{u"[#]", u"5", false},
                                         MatchCase{u"[[]", u"[", true},
                                         MatchCase{u"[A[B]", u"[", true}));

INSTANTIATE_TEST_SUITE_P(DashInList, LikeMatchTest,
                         testing::Values(MatchCase{u"[-A]", u"-", true},
                                         MatchCase{u"[-A]", u"A", true},
                                         MatchCase{u"[A-]", u"-", true},
                                         MatchCase{u"[A-]", u"B", false},
                                         MatchCase{u"[-]", u"-", true},
                                         MatchCase{u"[--A]", u"0", false},
                                         MatchCase{u"[A-C-E]", u"-", true},
                                         MatchCase{u"[A-C-E]", u"E", true},
                                         MatchCase{u"[A-C-E]", u"D", false}));

INSTANTIATE_TEST_SUITE_P(NotInList, LikeMatchTest,
                         testing::Values(MatchCase{u"[!A-C]", u"D", true},
                                         MatchCase{u"[!A-C]", u"B", false},
                                         MatchCase{u"[!A-C]", u"", false},
                                         MatchCase{u"[!ABC]*", u"CAT", false},
                                         MatchCase{u"[!ABC]*", u"DOG", true},
                                         MatchCase{u"[!-]", u"-", false},
                                         MatchCase{u"[!-]", u"A", true},
                                         MatchCase{u"[!]", u"X", true},
                                         MatchCase{u"[!]", u"", false}));

INSTANTIATE_TEST_SUITE_P(BracketAndBangOutsideList, LikeMatchTest,
                         testing::Values(MatchCase{u"]", u"]", true},
                                         MatchCase{u"A]", u"A]", true},
                                         MatchCase{u"]*", u"]X", true},
                                         MatchCase{u"!", u"!", true},
                                         MatchCase{u"!A", u"!A", true},
                                         MatchCase{u"!A", u"A", false},
                                         MatchCase{u"A!*", u"A!B", true}));

INSTANTIATE_TEST_SUITE_P(EmptyList, LikeMatchTest,
                         testing::Values(MatchCase{u"[]", u"", true},
                                         MatchCase{u"[]", u"A", false},
                                         MatchCase{u"A[]B", u"AB", true},
                                         MatchCase{u"[]*", u"X", true},
                                         MatchCase{u"[]]", u"]", true}));

INSTANTIATE_TEST_SUITE_P(UnclosedBracketIsLiteral, LikeMatchTest,
                         testing::Values(MatchCase{u"[", u"[", true},
                                         MatchCase{u"[A", u"[A", true},
                                         MatchCase{u"[A", u"A", false},
                                         MatchCase{u"[A*", u"[ABC", true},
                                         MatchCase{u"[A*", u"ABC", false},
                                         MatchCase{u"[A?", u"[AX", true},
                                         MatchCase{u"[!A", u"[!A", true},
                                         MatchCase{u"[A]B[C", u"AB[C", true},
                                         MatchCase{u"]A[B", u"]A[B", true}));

INSTANTIATE_TEST_SUITE_P(ReversedRangeIsLiteral, LikeMatchTest,
                         testing::Values(MatchCase{u"[Z-A]", u"[Z-A]", true},
                                         MatchCase{u"[Z-A]", u"M", false},
                                         MatchCase{u"[Z-A]*", u"[Z-A]BC", true},
                                         MatchCase{u"[A-CZ-A]", u"B", false},
                                         MatchCase{u"[A-CZ-A]", u"[A-CZ-A]", true},
                                         MatchCase{u"[Z-A?]", u"[Z-A?]", true},
                                         MatchCase{u"[Z-A?]", u"[Z-AX]", false},
                                         MatchCase{u"[Z-A][A-C]", u"[Z-A]B", true}));

struct ShapeCase {
  std::u16string pattern;
  bool plain_prefix;
  bool plain_infix;
};

void PrintTo(const ShapeCase& c, std::ostream* os) { *os << '"' << ToUtf8(c.pattern) << '"'; }

class PlainShapeTest : public testing::TestWithParam<ShapeCase> {};

TEST_P(PlainShapeTest, IsRecognised) {
  const LikePattern pattern(GetParam().pattern);
  EXPECT_EQ(pattern.IsPlainPrefix(), GetParam().plain_prefix);
  EXPECT_EQ(pattern.IsPlainInfix(), GetParam().plain_infix);
}

INSTANTIATE_TEST_SUITE_P(Patterns, PlainShapeTest,
                         testing::Values(ShapeCase{u"ABC*", true, false}, ShapeCase{u"*", true, false},
                                         ShapeCase{u"A**", true, false}, ShapeCase{u"[]*", true, false},
                                         ShapeCase{u"[A]*", true, false}, ShapeCase{u"[A*", true, false},
                                         ShapeCase{u"[Z-A]*", true, false}, ShapeCase{u"ABC", false, false},
                                         ShapeCase{u"", false, false}, ShapeCase{u"A*B", false, false},
                                         ShapeCase{u"*A*", false, true}, ShapeCase{u"**AB**", false, true},
                                         ShapeCase{u"*[A]B*", false, true}, ShapeCase{u"*A", false, false},
                                         ShapeCase{u"*A*B*", false, false}, ShapeCase{u"*A?*", false, false},
                                         ShapeCase{u"*#*", false, false}, ShapeCase{u"A?*", false, false},
                                         ShapeCase{u"#*", false, false}, ShapeCase{u"[AB]*", false, false},
                                         ShapeCase{u"[A-B]*", false, false}, ShapeCase{u"[!A]*", false, false}));

TEST(LikePatternTest, OneCompiledPatternServesManyTexts) {
  const LikePattern pattern(u"C[AO]#*");
  EXPECT_TRUE(pattern.Matches(u"CA1"));
  EXPECT_FALSE(pattern.Matches(u"CB1"));
  EXPECT_TRUE(pattern.Matches(u"CO9X"));
  EXPECT_FALSE(pattern.Matches(u"CA"));
}

std::u16string Repeat(std::u16string_view piece, int times) {
  std::u16string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

// These would take astronomically long with plain backtracking; here they must finish.
TEST(LikePatternTest, ManyStarsAgainstALongTextFinish) {
  const std::u16string text(5000, u'A');
  const std::u16string stars = Repeat(u"*A", 2000);
  EXPECT_TRUE(LikeMatch(text, stars));
  EXPECT_FALSE(LikeMatch(text, stars + u"B"));
  EXPECT_FALSE(LikeMatch(std::u16string(1999, u'A'), stars));
  EXPECT_TRUE(LikeMatch(text + u"B", stars + u"*B"));
}

TEST(LikePatternTest, LongBracketHeavyPatternsCompileAndMatch) {
  const std::u16string opens(20000, u'[');
  EXPECT_TRUE(LikeMatch(opens, opens));
  const std::u16string reversed = opens + u"Z-A]";
  EXPECT_TRUE(LikeMatch(reversed, reversed));
}

}  // namespace
}  // namespace zelvane::core
