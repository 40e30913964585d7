#include "core/scale_units.h"

#include <gtest/gtest.h>

#include "core/automation_error.h"

namespace zelvane::core {
namespace {

struct ScaleCase {
  double value;
  std::int16_t from, to;
  double twipsPerPixel;
  bool horizontal;
  double expected;
};

class ConvertScaleTest : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ConvertScaleTest, Converts) {
  const ScaleCase& c = GetParam();
  EXPECT_NEAR(ConvertScale(c.value, c.from, c.to, c.twipsPerPixel, c.horizontal), c.expected, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConvertScaleTest,
    ::testing::Values(ScaleCase{1, 1, 1, 15, true, 1}, ScaleCase{20, 3, 1, 15, true, 300},
                      ScaleCase{300, 1, 3, 15, true, 20}, ScaleCase{300, 1, 3, 12, true, 25},
                      ScaleCase{1, 2, 1, 15, true, 20}, ScaleCase{1, 5, 1, 15, true, 1440},
                      ScaleCase{1, 5, 6, 15, true, 25.4}, ScaleCase{1, 5, 7, 15, true, 2.54},
                      ScaleCase{1, 6, 8, 15, true, 100}, ScaleCase{1, 4, 1, 15, true, 120},
                      ScaleCase{1, 4, 1, 15, false, 240}, ScaleCase{8, 3, 4, 15, true, 1},
                      ScaleCase{8, 3, 4, 15, false, 0.5}, ScaleCase{96, 3, 5, 15, false, 1},
                      ScaleCase{-2, 3, 1, 15, true, -30}));

TEST(ConvertScale, UnknownModesRaiseError5) {
  for (const std::int16_t mode : {0, 9, 10, 11, -1}) {
    try {
      ConvertScale(1, mode, 1, 15, true);
      ADD_FAILURE() << "mode " << mode;
    } catch (const AutomationError& error) {
      EXPECT_EQ(error.number(), 5);
    }
    EXPECT_THROW(ConvertScale(1, 1, mode, 15, true), AutomationError);
  }
}

}  // namespace
}  // namespace zelvane::core
