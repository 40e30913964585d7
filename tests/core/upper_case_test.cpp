#include "core/upper_case.h"

#include <gtest/gtest.h>

namespace zelvane::core {
namespace {

struct UpperCase {
  char16_t lower;
  char16_t upper;
};

class UpperCaseTest : public ::testing::TestWithParam<UpperCase> {};

TEST_P(UpperCaseTest, MapsTheCharacter) {
  EXPECT_EQ(static_cast<int>(ToUpperPortable(GetParam().lower)), static_cast<int>(GetParam().upper));
}

INSTANTIATE_TEST_SUITE_P(
    Table, UpperCaseTest,
    ::testing::Values(UpperCase{u'a', u'A'}, UpperCase{u'z', u'Z'}, UpperCase{u'A', u'A'}, UpperCase{u'{', u'{'},
                      UpperCase{u'`', u'`'}, UpperCase{u'1', u'1'},
                      // Latin-1
                      UpperCase{0xE0, 0xC0}, UpperCase{0xE9, 0xC9}, UpperCase{0xFE, 0xDE}, UpperCase{0xFF, 0x178},
                      UpperCase{0xF7, 0xF7}, UpperCase{0xDF, 0xDF}, UpperCase{0xB5, 0xB5}, UpperCase{0xC9, 0xC9},
                      // Latin Extended-A: even capitals, then odd capitals from U+0139, then even again
                      UpperCase{0x101, 0x100}, UpperCase{0x100, 0x100}, UpperCase{0x12F, 0x12E},
                      UpperCase{0x133, 0x132}, UpperCase{0x13A, 0x139}, UpperCase{0x148, 0x147},
                      UpperCase{0x149, 0x149}, UpperCase{0x14B, 0x14A}, UpperCase{0x177, 0x176},
                      UpperCase{0x17A, 0x179}, UpperCase{0x17E, 0x17D}, UpperCase{0x179, 0x179},
                      UpperCase{0x131, u'I'}, UpperCase{0x17F, u'S'}, UpperCase{0x138, 0x138},
                      // Greek
                      UpperCase{0x3B1, 0x391}, UpperCase{0x3C9, 0x3A9}, UpperCase{0x3C2, 0x3A3},
                      UpperCase{0x3AC, 0x386}, UpperCase{0x3AF, 0x38A}, UpperCase{0x3CC, 0x38C},
                      UpperCase{0x3CE, 0x38F}, UpperCase{0x391, 0x391},
                      // Cyrillic
                      UpperCase{0x430, 0x410}, UpperCase{0x44F, 0x42F}, UpperCase{0x451, 0x401},
                      UpperCase{0x45F, 0x40F}, UpperCase{0x410, 0x410},
                      // beyond the covered ranges
                      UpperCase{0x4E2D, 0x4E2D}, UpperCase{0xFF41, 0xFF41}));

TEST(UpperCaseString, KeepsLengthAndSurrogates) {
  const std::u16string text = u"stra\u00dfe \u00ff\U0001F600x";
  const std::u16string upper = ToUpperPortable(text);
  EXPECT_EQ(upper, u"STRA\u00dfE \u0178\U0001F600X");
  EXPECT_EQ(upper.size(), text.size());
}

}  // namespace
}  // namespace zelvane::core
