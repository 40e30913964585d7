#include "itemlist/c_fifo_buffer.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "../support/raises_automation_error.h"
#include "fifo_test_helpers.h"

namespace zelvane::itemlist {
namespace {

struct EditCase {
  const char* name;
  std::int16_t maxCount;
  Items start;
  std::function<void(CFifoBuffer&)> edit;
  Items expected;
  std::int16_t expectedMaxCount;
};

class FifoEditTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(FifoEditTest, GivesTheExpectedListAndLimit) {
  const EditCase& c = GetParam();
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  list.SetMaxCount(c.maxCount);
  Fill(list, c.start);
  c.edit(list);
  EXPECT_EQ(Enumerated(list), c.expected);
  EXPECT_EQ(list.Count(), static_cast<std::int16_t>(c.expected.size()));
  EXPECT_EQ(list.MaxCount(), c.expectedMaxCount);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, FifoEditTest,
    ::testing::Values(
        EditCase{"EmptyStringChangesNothing", 100, {u"a", u"b", u"c"}, [](CFifoBuffer& l) { l.Add(u""); },
                 {u"a", u"b", u"c"}, 100},
        EditCase{"SpacesAreAnItem", 100, {u"a"}, [](CFifoBuffer& l) { l.Add(u"  "); }, {u"  ", u"a"}, 100},
        EditCase{"ReAddMovesToFrontWithNewCase", 100, {u"banana", u"APPLE", u"cherry"},
                 [](CFifoBuffer& l) { l.Add(u"Apple"); }, {u"Apple", u"banana", u"cherry"}, 100},
        EditCase{"ReAddOfFirstTakesNewCase", 100, {u"apple", u"b"}, [](CFifoBuffer& l) { l.Add(u"APPLE"); },
                 {u"APPLE", u"b"}, 100},
        EditCase{"NewItemPushesOldestOut", 3, {u"a", u"b", u"c"}, [](CFifoBuffer& l) { l.Add(u"date"); },
                 {u"date", u"a", u"b"}, 3},
        EditCase{"ReAddPushesNothingOut", 3, {u"a", u"b", u"c"}, [](CFifoBuffer& l) { l.Add(u"B"); },
                 {u"B", u"a", u"c"}, 3},
        EditCase{"ReAddOfOldestInFullList", 3, {u"a", u"b", u"c"}, [](CFifoBuffer& l) { l.Add(u"c"); },
                 {u"c", u"a", u"b"}, 3},
        EditCase{"LimitOfOneKeepsNewest", 1, {u"a"}, [](CFifoBuffer& l) { l.Add(u"b"); }, {u"b"}, 1},
        EditCase{"LoweringLimitCutsOldest", 100, {u"a", u"b", u"c", u"d"}, [](CFifoBuffer& l) { l.SetMaxCount(2); },
                 {u"a", u"b"}, 2},
        EditCase{"RaisingLimitBringsNothingBack", 100, {u"a", u"b", u"c", u"d"},
                 [](CFifoBuffer& l) {
                   l.SetMaxCount(2);
                   l.SetMaxCount(4);
                 },
                 {u"a", u"b"}, 4},
        EditCase{"LimitEqualToCountKeepsAll", 100, {u"a", u"b"}, [](CFifoBuffer& l) { l.SetMaxCount(2); },
                 {u"a", u"b"}, 2},
        EditCase{"ClearKeepsLimit", 5, {u"a", u"b"}, [](CFifoBuffer& l) { l.Clear(); }, {}, 5},
        EditCase{"AddAfterClear", 100, {u"a", u"b"},
                 [](CFifoBuffer& l) {
                   l.Clear();
                   l.Add(u"A");
                 },
                 {u"A"}, 100}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FifoBufferTest, NewListIsEmptyWithLimitOfAHundred) {
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.MaxCount(), 100);
  EXPECT_EQ(list.StringValue(), u"");
}

TEST(FifoBufferTest, KeepsAtMostAHundredUntilToldOtherwise) {
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  for (char16_t c = 0; c < 150; ++c) list.Add(std::u16string{u'x', static_cast<char16_t>(u'A' + c)});
  EXPECT_EQ(list.Count(), 100);
  EXPECT_EQ(list.Item(core::Variant{std::int32_t{100}}), (std::u16string{u'x', static_cast<char16_t>(u'A' + 50)}));
}

struct JoinCase {
  Items items;
  std::u16string joined;
};

class FifoStringValueTest : public ::testing::TestWithParam<JoinCase> {};

TEST_P(FifoStringValueTest, JoinsNewestFirstWithCrLfBetween) {
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  Fill(list, GetParam().items);
  EXPECT_EQ(list.StringValue(), GetParam().joined);
}

INSTANTIATE_TEST_SUITE_P(Joins, FifoStringValueTest,
                         ::testing::Values(JoinCase{{}, u""}, JoinCase{{u"one"}, u"one"},
                                           JoinCase{{u"a", u"b", u"c"}, u"a\r\nb\r\nc"},
                                           JoinCase{{u"x\r\ny", u"z"}, u"x\r\ny\r\nz"}));

TEST(FifoBufferTest, StringValueSkipsItemsThatMovedOrLeft) {
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  list.SetMaxCount(3);
  Fill(list, {u"a", u"b", u"c"});
  list.Add(u"B");
  list.Add(u"d");
  EXPECT_EQ(list.StringValue(), u"d\r\nB\r\na");
}

class FifoMaxCountErrorTest : public ::testing::TestWithParam<std::int16_t> {};

TEST_P(FifoMaxCountErrorTest, Raises1001AndChangesNothing) {
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  list.SetMaxCount(3);
  Fill(list, {u"a", u"b", u"c"});
  EXPECT_TRUE(support::RaisesAutomationError([&] { list.SetMaxCount(GetParam()); }, 1001, u"FifoBuffer",
                                             u"ItemCount must be greater than 0"));
  EXPECT_EQ(list.MaxCount(), 3);
  EXPECT_EQ(Enumerated(list), (Items{u"a", u"b", u"c"}));
}

INSTANTIATE_TEST_SUITE_P(BelowOne, FifoMaxCountErrorTest, ::testing::Values(0, -5, -32768));

// A position to read, and the item it gives; none where the read must fail.
struct ReadCase {
  const char* name;
  core::Variant index;
  std::optional<std::u16string> expected;
};

class FifoItemTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(FifoItemTest, ReadsThePositionOrRaisesInvalidArgument) {
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  const Items items{u"newest", u"middle", u"oldest"};
  Fill(list, items);
  if (GetParam().expected) {
    EXPECT_EQ(list.Item(GetParam().index), *GetParam().expected);
  } else {
    EXPECT_TRUE(support::RaisesAutomationError([&] { list.Item(GetParam().index); }, 5, u"ZelvaneTextBox",
                                               u"Invalid procedure call or argument"));
  }
  EXPECT_EQ(Enumerated(list), items);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, FifoItemTest,
    ::testing::Values(ReadCase{"FirstIsNewest", std::int32_t{1}, u"newest"},
                      ReadCase{"CountIsOldest", std::int16_t{3}, u"oldest"},
                      ReadCase{"HalfRoundsToEven", 2.5, u"middle"},
                      ReadCase{"OneAndAHalfRoundsUp", 1.5, u"middle"},
                      ReadCase{"NumericText", std::u16string(u"3"), u"oldest"},
                      ReadCase{"Zero", std::int32_t{0}, std::nullopt},
                      ReadCase{"Negative", std::int16_t{-1}, std::nullopt},
                      ReadCase{"PastCount", std::int32_t{4}, std::nullopt},
                      ReadCase{"RoundsToZero", 0.4, std::nullopt},
                      ReadCase{"RoundsPastCount", 3.5, std::nullopt},
                      ReadCase{"TrueIsMinusOne", true, std::nullopt},
                      ReadCase{"Empty", core::Empty{}, std::nullopt},
                      ReadCase{"Null", core::Null{}, std::nullopt},
                      ReadCase{"Text", std::u16string(u"abc"), std::nullopt},
                      ReadCase{"EmptyText", std::u16string(), std::nullopt},
                      ReadCase{"TooLargeForLong", 1e10, std::nullopt},
                      ReadCase{"Object", core::ObjectPtr(std::make_shared<core::ObjectBase>()), std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FifoBufferTest, ReadsAreCopies) {
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  list.Add(u"keep");
  std::u16string read = list.Item(core::Variant{std::int32_t{1}});
  read[0] = u'X';
  EXPECT_EQ(list.Item(core::Variant{std::int32_t{1}}), u"keep");
}

}  // namespace
}  // namespace zelvane::itemlist
