#include "core/vb_random.h"

#include <gtest/gtest.h>

namespace zelvane::core {
namespace {

// What Rnd gives in a fresh VB program that never called Randomize.
TEST(VbRandomTest, StartsWithVbsFirstValues) {
  VbRandom random;
  for (const double expected : {0.7055475, 0.533424, 0.5795186, 0.2895625}) {
    EXPECT_NEAR(random.Next(), expected, 5e-7);
  }
}

TEST(VbRandomTest, EveryGeneratorRepeatsTheSameSequenceInRange) {
  VbRandom first;
  VbRandom second;
  for (int i = 0; i < 20000; ++i) {
    const float value = first.Next();
    ASSERT_EQ(value, second.Next());
    ASSERT_GE(value, 0.0f);
    ASSERT_LT(value, 1.0f);
  }
}

}  // namespace
}  // namespace zelvane::core
