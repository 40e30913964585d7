#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "../support/reference_fifo.h"
#include "core/automation_error.h"
#include "fifo_test_helpers.h"

namespace zelvane::itemlist {
namespace {

struct Mix {
  const char* name;
  std::u16string letters;  // lower case; each is also added in upper case
  int maxLength;
  std::uint32_t seed;
};

// Runs one operation on either list, returning the error number it raised, if any.
template <class List>
std::optional<std::int32_t> ErrorOf(List& list, const std::function<void(List&)>& operation) {
  try {
    operation(list);
  } catch (const core::AutomationError& e) {
    return e.number();
  }
  return std::nullopt;
}

class FifoDifferentialTest : public ::testing::TestWithParam<Mix> {
 protected:
  std::u16string RandomWord() {
    const Mix& mix = GetParam();
    std::u16string word(std::uniform_int_distribution<int>(0, mix.maxLength)(random_), u' ');
    std::uniform_int_distribution<std::size_t> letter(0, mix.letters.size() - 1);
    for (char16_t& c : word) {
      c = mix.letters[letter(random_)];
      if (Chance(2)) c = static_cast<char16_t>(c - (u'a' - u'A'));
    }
    return word;
  }
  std::int16_t RandomLimit() {
    if (Chance(20)) return static_cast<std::int16_t>(Pick(-3, 0));  // refused
    if (Chance(20)) return 32767;
    return static_cast<std::int16_t>(Chance(2) ? Pick(1, 8) : Pick(50, 400));
  }
  bool Chance(int oneIn) { return Pick(1, oneIn) == 1; }
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

  std::mt19937 random_{GetParam().seed};
};

TEST_P(FifoDifferentialTest, AgreesWithTheReferenceAfterEveryStep) {
  const support::AsciiTextCase textCase;
  CFifoBuffer ours(textCase);
  support::ReferenceFifo reference(textCase);
  for (int step = 0; step < 12000; ++step) {
    const int roll = Pick(0, 999);
    if (roll < 700) {
      const std::u16string word = RandomWord();
      ours.Add(word);
      reference.Add(word);
    } else if (roll < 720) {
      const std::int16_t limit = RandomLimit();
      EXPECT_EQ(ErrorOf<CFifoBuffer>(ours, [&](auto& l) { l.SetMaxCount(limit); }),
                ErrorOf<support::ReferenceFifo>(reference, [&](auto& l) { l.SetMaxCount(limit); }));
    } else if (roll < 722) {
      ours.Clear();
      reference.Clear();
    } else if (roll < 800) {
      // Removals by text (present or not, in either case) and by position.
      if (Chance(2) || reference.Count() == 0) {
        const std::u16string word = RandomWord();
        ours.Remove(word);
        reference.Remove(word);
      } else {
        const std::int32_t position = Pick(1, reference.Count());
        ours.RemoveAt(position);
        reference.RemoveAt(position);
      }
    } else {
      // Runs of neighbouring positions in either direction, and lone reads anywhere.
      const int runLength = Chance(3) ? Pick(2, 80) : 1;
      const int direction = Chance(2) ? 1 : -1;
      std::int32_t position = Pick(-1, reference.Count() + 2);
      for (int i = 0; i < runLength; ++i, position += direction) {
        std::u16string fromOurs;
        std::u16string fromReference;
        const core::Variant index{position};
        EXPECT_EQ(ErrorOf<CFifoBuffer>(ours, [&](auto& l) { fromOurs = l.Item(index); }),
                  ErrorOf<support::ReferenceFifo>(reference, [&](auto& l) { fromReference = l.Item(index); }));
        ASSERT_EQ(fromOurs, fromReference) << "position " << position << " at step " << step;
      }
    }
    ASSERT_EQ(Enumerated(ours), reference.Items()) << "step " << step;
    ASSERT_EQ(ours.Count(), reference.Count());
    ASSERT_EQ(ours.MaxCount(), reference.MaxCount());
    if (step % 97 == 0) {
      ASSERT_EQ(ours.StringValue(), reference.StringValue());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Mixes, FifoDifferentialTest,
                         ::testing::Values(Mix{"FewLettersSeed1", u"abc", 3, 1}, Mix{"FewLettersSeed2", u"abc", 3, 2},
                                           Mix{"FewLettersSeed3", u"ab", 5, 3},
                                           Mix{"AlphabetSeed4", u"abcdefghijklmnopqrstuvwxyz", 6, 4},
                                           Mix{"AlphabetSeed5", u"abcdefghijklmnopqrstuvwxyz", 3, 5},
                                           Mix{"AlphabetSeed6", u"abcdefghijklmnopqrstuvwxyz", 12, 6}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelvane::itemlist
