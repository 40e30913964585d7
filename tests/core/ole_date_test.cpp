#include "core/ole_date.h"

#include <gtest/gtest.h>

namespace zelvane::core {
namespace {

struct DateCase {
  const char* name;
  LocalDateTime when;
  double expected;
};

class OleDateTest : public ::testing::TestWithParam<DateCase> {};

TEST_P(OleDateTest, CountsDaysFromTheEpochWithTimeAsFraction) {
  EXPECT_DOUBLE_EQ(ToOleDate(GetParam().when), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, OleDateTest,
    ::testing::Values(DateCase{"Epoch", {1899, 12, 30}, 0.0}, DateCase{"NewYear1900", {1900, 1, 1}, 2.0},
                      DateCase{"March1900", {1900, 3, 1}, 61.0}, DateCase{"Y2K", {2000, 1, 1}, 36526.0},
                      DateCase{"LeapDay2000", {2000, 2, 29}, 36585.0}, DateCase{"AfterLeapDay", {2000, 3, 1}, 36586.0},
                      DateCase{"Noon", {2000, 1, 1, 12}, 36526.5},
                      DateCase{"QuarterDay", {1899, 12, 30, 6}, 0.25},
                      DateCase{"Milliseconds", {1899, 12, 30, 0, 0, 1, 500}, 1.5 / 86400.0},
                      DateCase{"LastSecond", {2024, 6, 15, 23, 59, 59}, 45458.0 + 86399.0 / 86400.0},
                      DateCase{"DayBefore", {1899, 12, 29}, -1.0},
                      // Before the epoch the day counts back but the time still counts forward.
                      DateCase{"DayBeforeMorning", {1899, 12, 29, 6}, -1.25},
                      DateCase{"Year1800", {1800, 1, 1}, -36522.0},
                      DateCase{"Year1800Evening", {1800, 1, 1, 18}, -36522.75},
                      DateCase{"Year100", {100, 1, 1}, -657434.0}, DateCase{"Year9999", {9999, 12, 31}, 2958465.0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelvane::core
