#include <gtest/gtest.h>

#include <functional>

#include "fifo_test_helpers.h"

namespace zelvane::itemlist {
namespace {

const Items kFive{u"e", u"d", u"c", u"b", u"a"};

Items Rest(FifoEnumerator& walk) {
  Items rest;
  std::u16string item;
  while (walk.Next(item)) rest.push_back(item);
  return rest;
}

TEST(FifoEnumeratorTest, YieldsPositionOrderAfterMoves) {
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  Fill(list, kFive);
  list.Add(u"C");
  list.Add(u"a");
  Items byPosition;
  for (std::int32_t p = 1; p <= list.Count(); ++p) byPosition.push_back(list.Item(core::Variant{p}));
  EXPECT_EQ(byPosition, (Items{u"a", u"C", u"e", u"d", u"b"}));
  EXPECT_EQ(Enumerated(list), byPosition);
}

TEST(FifoEnumeratorTest, CurrentUpperIsTheKeptUpperCaseForm) {
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  Fill(list, {u"MiXed", u"low"});
  const auto walk = list.NewEnum();
  std::u16string item;
  ASSERT_TRUE(walk->Next(item));
  EXPECT_EQ(item, u"MiXed");
  EXPECT_EQ(walk->CurrentUpper(), u"MIXED");
  ASSERT_TRUE(walk->Next(item));
  EXPECT_EQ(walk->CurrentUpper(), u"LOW");
}

TEST(FifoEnumeratorTest, EmptyListEndsAtOnceAndStaysEnded) {
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  const auto walk = list.NewEnum();
  std::u16string item = u"untouched";
  EXPECT_FALSE(walk->Next(item));
  EXPECT_FALSE(walk->Next(item));
  EXPECT_EQ(item, u"untouched");
}

// What an enumerator that has returned some items goes on with after the list changed.
struct ChangeCase {
  const char* name;
  int readBefore;
  std::function<void(CFifoBuffer&)> change;
  Items rest;
};

class FifoEnumeratorChangeTest : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(FifoEnumeratorChangeTest, GoesOnWithOlderItemsStillThere) {
  const ChangeCase& c = GetParam();
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  Fill(list, kFive);
  const auto walk = list.NewEnum();
  std::u16string item;
  for (int i = 0; i < c.readBefore; ++i) ASSERT_TRUE(walk->Next(item));
  c.change(list);
  EXPECT_EQ(Rest(*walk), c.rest);
  EXPECT_FALSE(walk->Next(item));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, FifoEnumeratorChangeTest,
    ::testing::Values(
        ChangeCase{"NewItemIsNotVisited", 1, [](CFifoBuffer& l) { l.Add(u"z"); }, {u"d", u"c", u"b", u"a"}},
        ChangeCase{"AddBeforeFirstReadIsNotVisited", 0, [](CFifoBuffer& l) { l.Add(u"z"); }, kFive},
        ChangeCase{"ItemMovedAheadIsSkipped", 1, [](CFifoBuffer& l) { l.Add(u"B"); }, {u"d", u"c", u"a"}},
        ChangeCase{"CurrentItemMovedAhead", 2, [](CFifoBuffer& l) { l.Add(u"D"); }, {u"c", u"b", u"a"}},
        ChangeCase{"CutEndsEarly", 1, [](CFifoBuffer& l) { l.SetMaxCount(2); }, {u"d"}},
        ChangeCase{"CutBelowWhatWasRead", 3, [](CFifoBuffer& l) { l.SetMaxCount(2); }, {}},
        ChangeCase{"PushedOutByAdd", 1,
                   [](CFifoBuffer& l) {
                     l.SetMaxCount(5);
                     l.Add(u"z");
                   },
                   {u"d", u"c", u"b"}},
        ChangeCase{"ClearEnds", 2, [](CFifoBuffer& l) { l.Clear(); }, {}},
        ChangeCase{"ClearThenRefillEnds", 1,
                   [](CFifoBuffer& l) {
                     l.Clear();
                     Fill(l, kFive);
                   },
                   {}},
        // Enough moves to make the list squeeze out the slots the moves left behind.
        ChangeCase{"ManyMovesInBetween", 2,
                   [](CFifoBuffer& l) {
                     for (int i = 0; i < 500; ++i) l.Add(i % 2 == 0 ? u"x" : u"y");
                   },
                   {u"c", u"b", u"a"}},
        ChangeCase{"ManyMovesOfUnreadItems", 2,
                   [](CFifoBuffer& l) {
                     for (int i = 0; i < 500; ++i) l.Add(i % 2 == 0 ? u"b" : u"c");
                   },
                   {u"a"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FifoEnumeratorTest, CurrentUpperOutlivesTheItemLeavingTheList) {
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  Fill(list, kFive);
  const auto walk = list.NewEnum();
  std::u16string item;
  ASSERT_TRUE(walk->Next(item));
  const std::u16string& upper = walk->CurrentUpper();
  list.Clear();
  Fill(list, {u"other", u"items", u"entirely", u"longer than any small string buffer"});
  EXPECT_EQ(upper, u"E");
}

TEST(FifoEnumeratorTest, OutlivesTheList) {
  const support::AsciiTextCase textCase;
  auto list = std::make_unique<CFifoBuffer>(textCase);
  Fill(*list, kFive);
  const auto walk = list->NewEnum();
  std::u16string item;
  ASSERT_TRUE(walk->Next(item));
  list.reset();
  EXPECT_EQ(Rest(*walk), (Items{u"d", u"c", u"b", u"a"}));
}

TEST(FifoEnumeratorTest, TwoEnumeratorsWalkIndependently) {
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  Fill(list, kFive);
  const auto first = list.NewEnum();
  const auto second = list.NewEnum();
  std::u16string item;
  ASSERT_TRUE(first->Next(item));
  ASSERT_TRUE(first->Next(item));
  EXPECT_EQ(Rest(*second), kFive);
  EXPECT_EQ(Rest(*first), (Items{u"c", u"b", u"a"}));
}

}  // namespace
}  // namespace zelvane::itemlist
