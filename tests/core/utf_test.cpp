#include "core/utf.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zelvane::core {
namespace {

// A text in both forms.
struct Encoding {
  const char* name;
  std::u16string utf16;
  std::string utf8;
};

class UtfRoundTripTest : public ::testing::TestWithParam<Encoding> {};

TEST_P(UtfRoundTripTest, EncodesAndDecodesBack) {
  EXPECT_EQ(ToUtf8(GetParam().utf16), GetParam().utf8);
  EXPECT_EQ(FromUtf8(GetParam().utf8), GetParam().utf16);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UtfRoundTripTest,
    ::testing::Values(Encoding{"Empty", u"", ""}, Encoding{"Ascii", u"Zelvane 1", "Zelvane 1"},
                      Encoding{"Nul", std::u16string(1, u'\0'), std::string(1, '\0')},
                      Encoding{"TwoBytes", u"\u00E9\u07FF", "\xC3\xA9\xDF\xBF"},
                      Encoding{"ThreeBytes", u"\u0800\u20AC\uFFFF", "\xE0\xA0\x80\xE2\x82\xAC\xEF\xBF\xBF"},
                      Encoding{"SurrogatePair", u"a\U0001F600b", "a\xF0\x9F\x98\x80" "b"},
                      Encoding{"FirstAboveBmp", u"\U00010000", "\xF0\x90\x80\x80"},
                      Encoding{"Last", u"\U0010FFFF", "\xF4\x8F\xBF\xBF"}),
    [](const auto& info) { return std::string(info.param.name); });

class BadUtf16Test : public ::testing::TestWithParam<Encoding> {};

TEST_P(BadUtf16Test, UnpairedSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(ToUtf8(GetParam().utf16), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BadUtf16Test,
    ::testing::Values(Encoding{"HighAtEnd", u"a\xD83D", "a\xEF\xBF\xBD"},
                      Encoding{"LowAlone", u"\xDE00z", "\xEF\xBF\xBDz"},
                      Encoding{"HighBeforeLetter", u"\xD83Dz", "\xEF\xBF\xBDz"},
                      Encoding{"Reversed", u"\xDE00\xD83D", "\xEF\xBF\xBD\xEF\xBF\xBD"}),
    [](const auto& info) { return std::string(info.param.name); });

// Malformed bytes become U+FFFD; everything around them survives unchanged.
struct BadUtf8 {
  const char* name;
  std::string utf8;
};

class BadUtf8Test : public ::testing::TestWithParam<BadUtf8> {};

TEST_P(BadUtf8Test, BecomesReplacementCharactersAndKeepsTheRest) {
  const std::u16string decoded = FromUtf8("<" + GetParam().utf8 + ">");
  ASSERT_GE(decoded.size(), 3u);
  EXPECT_EQ(decoded.front(), u'<');
  EXPECT_EQ(decoded.back(), u'>');
  EXPECT_TRUE(std::all_of(decoded.begin() + 1, decoded.end() - 1, [](char16_t c) { return c == u'\uFFFD'; }));
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, BadUtf8Test,
    ::testing::Values(BadUtf8{"StrayContinuation", "\x80"}, BadUtf8{"CutTwoBytes", "\xC3"},
                      BadUtf8{"CutThreeBytes", "\xE2\x82"}, BadUtf8{"CutFourBytes", "\xF0\x9F\x98"},
                      BadUtf8{"OverlongSlash", "\xC0\xAF"}, BadUtf8{"OverlongNul", "\xC0\x80"},
                      BadUtf8{"OverlongThreeBytes", "\xE0\x80\xAF"}, BadUtf8{"OverlongFourBytes", "\xF0\x80\x80\xAF"},
                      BadUtf8{"EncodedSurrogate", "\xED\xA0\x80"}, BadUtf8{"BeyondLast", "\xF4\x90\x80\x80"},
                      BadUtf8{"InvalidLead", "\xFF"}, BadUtf8{"FiveByteLead", "\xF8\x88\x80\x80\x80"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelvane::core
