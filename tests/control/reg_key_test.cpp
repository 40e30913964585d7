#include "control/reg_key.h"

#include <gtest/gtest.h>

#include "core/utf.h"

namespace zelvane::control {
namespace {

struct KeyCase {
  float r1;
  double oleDate;
  float r2;
  const char* expected;
};

class RegKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(RegKeyTest, FormatsTheThreeParts) {
  const KeyCase& c = GetParam();
  EXPECT_EQ(core::ToUtf8(MakeRegKey(c.r1, c.oleDate, c.r2)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegKeyTest,
    ::testing::Values(
        // The ends of both ranges: FFF..370F and 400..2B10.
        KeyCase{0.0f, 45429.4375, 0.0f, "FFF-4542943750000-400"},
        KeyCase{0.99999994f, 45429.4375, 0.99999994f, "370F-4542943750000-2B10"},
        // Halves go to even: 0.09375 * 10000 + 4095 = 5032.5 -> 5032 (13A8);
        // 0.15625 * 10000 + 1024 = 2586.5 -> 2586 (A1A).
        KeyCase{0.09375f, 45429.4375, 0.15625f, "13A8-4542943750000-A1A"},
        // Single precision: these draws land on a half only when every step is
        // rounded to single (9096.5 -> 2388, 6024.5 -> 1788); in double they would
        // give 2389 and 1789.
        KeyCase{0.500150025f, 45429.4375, 0.500050008f, "2388-4542943750000-1788"},
        // The date part rounds halves to even too: 45429 + 1/512 days gives
        // 4542900195312.5.
        KeyCase{0.0f, 45429.001953125, 0.0f, "FFF-4542900195312-400"},
        KeyCase{0.0f, 45429.005859375, 0.0f, "FFF-4542900585938-400"}));

}  // namespace
}  // namespace zelvane::control
