#include <gtest/gtest.h>

#include <cfenv>
#include <optional>

#include "../support/raises_automation_error.h"
#include "core/variant.h"
#include "core/vb_errors.h"

namespace zelvane::core {
namespace {

// One conversion of one value: the result, or the VB error it must raise.
template <class T>
struct Conversion {
  const char* name;
  Variant input;
  std::optional<T> expected;
  VbError error = VbError::TypeMismatch;
};

template <class T>
void ExpectConversion(T (*convert)(const Variant&), const Conversion<T>& c) {
  if (c.expected) {
    EXPECT_EQ(convert(c.input), *c.expected);
  } else {
    EXPECT_TRUE(support::RaisesAutomationError([&] { convert(c.input); }, static_cast<std::int32_t>(c.error),
                                               u"ZelvaneTextBox", VbErrorText(c.error)));
  }
}

template <class T>
std::string NameOf(const ::testing::TestParamInfo<Conversion<T>>& info) {
  return info.param.name;
}

const ObjectPtr kObject = std::make_shared<ObjectBase>();

using StringCase = Conversion<std::u16string>;
class ToStringTest : public ::testing::TestWithParam<StringCase> {};
TEST_P(ToStringTest, Converts) { ExpectConversion<std::u16string>(&ToString, GetParam()); }
INSTANTIATE_TEST_SUITE_P(
    Values, ToStringTest,
    ::testing::Values(StringCase{"Empty", Empty{}, u""}, StringCase{"True", true, u"True"},
                      StringCase{"False", false, u"False"}, StringCase{"Integer", std::int16_t{-5}, u"-5"},
                      StringCase{"Long", std::int32_t{123456}, u"123456"}, StringCase{"Fraction", 2.5, u"2.5"},
                      StringCase{"Tenth", 0.1, u"0.1"}, StringCase{"Whole", 1024.0, u"1024"},
                      StringCase{"Huge", 1e20, u"1E+20"},
                      StringCase{"FifteenDigits", 123456789012345678.0, u"1.23456789012346E+17"},
                      StringCase{"Text", std::u16string(u"as is"), u"as is"},
                      StringCase{"Null", Null{}, std::nullopt}, StringCase{"Object", kObject, std::nullopt}),
    NameOf<std::u16string>);

using BoolCase = Conversion<bool>;
class ToBoolTest : public ::testing::TestWithParam<BoolCase> {};
TEST_P(ToBoolTest, Converts) { ExpectConversion<bool>(&ToBool, GetParam()); }
INSTANTIATE_TEST_SUITE_P(
    Values, ToBoolTest,
    ::testing::Values(BoolCase{"Empty", Empty{}, false}, BoolCase{"True", true, true}, BoolCase{"False", false, false},
                      BoolCase{"Zero", std::int16_t{0}, false}, BoolCase{"MinusOne", std::int32_t{-1}, true},
                      BoolCase{"AnyNonZero", std::int32_t{7}, true}, BoolCase{"Half", 0.5, true},
                      BoolCase{"TextTrue", std::u16string(u"True"), true},
                      BoolCase{"TextAnyCase", std::u16string(u"fALSE"), false},
                      BoolCase{"TextNumber", std::u16string(u"0"), false},
                      BoolCase{"TextNonZero", std::u16string(u" -2 "), true},
                      BoolCase{"TextWord", std::u16string(u"yes"), std::nullopt},
                      BoolCase{"Null", Null{}, std::nullopt}, BoolCase{"Object", kObject, std::nullopt}),
    NameOf<bool>);

using LongCase = Conversion<std::int32_t>;
class ToLongTest : public ::testing::TestWithParam<LongCase> {};
TEST_P(ToLongTest, Converts) { ExpectConversion<std::int32_t>(&ToLong, GetParam()); }
INSTANTIATE_TEST_SUITE_P(
    Values, ToLongTest,
    ::testing::Values(LongCase{"Empty", Empty{}, 0}, LongCase{"True", true, -1}, LongCase{"Integer", std::int16_t{-7}, -7},
                      LongCase{"HalfDown", 2.5, 2}, LongCase{"HalfUp", 3.5, 4}, LongCase{"NegativeHalf", -2.5, -2},
                      LongCase{"NegativeOddHalf", -3.5, -4}, LongCase{"ZeroHalf", 0.5, 0}, LongCase{"OneHalf", 1.5, 2},
                      LongCase{"JustBelowHalf", 2.4999999, 2}, LongCase{"JustAboveHalf", 2.5000001, 3},
                      LongCase{"Largest", 2147483647.0, 2147483647}, LongCase{"Smallest", -2147483648.0, -2147483647 - 1},
                      LongCase{"TooLarge", 2147483648.0, std::nullopt, VbError::Overflow},
                      LongCase{"RoundsTooLarge", 2147483647.5, std::nullopt, VbError::Overflow},
                      LongCase{"TooSmall", -2147483649.0, std::nullopt, VbError::Overflow},
                      LongCase{"TextBlanks", std::u16string(u"  42 "), 42},
                      LongCase{"TextExponent", std::u16string(u"1e3"), 1000},
                      LongCase{"TextHalf", std::u16string(u"2.5"), 2},
                      LongCase{"TextHex", std::u16string(u"&H10"), 16},
                      LongCase{"TextHexLower", std::u16string(u"&h7fff"), 32767},
                      LongCase{"TextHexSigned", std::u16string(u"&H+1"), std::nullopt},
                      LongCase{"TextHexBlank", std::u16string(u"&H 1"), std::nullopt},
                      LongCase{"TextHexPrefixed", std::u16string(u"&H0x10"), std::nullopt},
                      LongCase{"TextTooLarge", std::u16string(u"3000000000"), std::nullopt, VbError::Overflow},
                      LongCase{"TextEmpty", std::u16string(), std::nullopt},
                      LongCase{"TextWord", std::u16string(u"abc"), std::nullopt},
                      LongCase{"TextCutExponent", std::u16string(u"1e"), std::nullopt},
                      LongCase{"TextInfinity", std::u16string(u"inf"), std::nullopt},
                      LongCase{"Null", Null{}, std::nullopt}, LongCase{"Object", kObject, std::nullopt}),
    NameOf<std::int32_t>);

using IntegerCase = Conversion<std::int16_t>;
class ToIntegerTest : public ::testing::TestWithParam<IntegerCase> {};
TEST_P(ToIntegerTest, Converts) { ExpectConversion<std::int16_t>(&ToInteger, GetParam()); }
INSTANTIATE_TEST_SUITE_P(
    Values, ToIntegerTest,
    ::testing::Values(IntegerCase{"Largest", std::int32_t{32767}, 32767},
                      IntegerCase{"Smallest", std::int32_t{-32768}, -32768},
                      IntegerCase{"TooLarge", std::int32_t{32768}, std::nullopt, VbError::Overflow},
                      IntegerCase{"TooSmall", std::int32_t{-32769}, std::nullopt, VbError::Overflow},
                      IntegerCase{"RoundsTooLarge", 32767.5, std::nullopt, VbError::Overflow},
                      IntegerCase{"RoundsToLargest", 32766.5, 32766}, IntegerCase{"HalfDown", 2.5, 2},
                      IntegerCase{"HalfUp", 3.5, 4}, IntegerCase{"True", true, -1},
                      IntegerCase{"Text", std::u16string(u"12"), 12},
                      IntegerCase{"TextWord", std::u16string(u"twelve"), std::nullopt},
                      IntegerCase{"Null", Null{}, std::nullopt}),
    NameOf<std::int16_t>);

// The host may leave the processor rounding some other way; halves still go to even.
TEST(BankersRoundingTest, DoesNotFollowTheRoundingMode) {
  const int saved = std::fegetround();
  for (const int mode : {FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO}) {
    std::fesetround(mode);
    EXPECT_EQ(ToLong(Variant{2.5}), 2) << mode;
    EXPECT_EQ(ToLong(Variant{3.5}), 4) << mode;
    EXPECT_EQ(ToLong(Variant{-2.5}), -2) << mode;
    EXPECT_EQ(ToLong(Variant{2.7}), 3) << mode;
    EXPECT_EQ(ToInteger(Variant{-1.2}), -1) << mode;
  }
  std::fesetround(saved);
}

}  // namespace
}  // namespace zelvane::core
