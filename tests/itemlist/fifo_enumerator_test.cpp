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

// The filter's road: `accept` sees the kept upper-case forms, `visit` the texts of
// the items taken, and a false from `visit` stops the walk where it stands.
TEST(FifoEnumeratorTest, VisitWhereTakesByUpperCaseFormAndStopsWhenAsked) {
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  Fill(list, {u"MiXed", u"low", u"mIx", u"max", u"mixer"});
  auto walk = list.NewEnum();
  Items seen;
  Items visited;
  walk.VisitWhere(
      [&seen](std::u16string_view upper) {
        seen.emplace_back(upper);
        return upper.starts_with(u"MIX");
      },
      [&visited](std::u16string_view item) {
        visited.emplace_back(item);
        return visited.size() < 2;
      });
  EXPECT_EQ(seen, (Items{u"MIXED", u"LOW", u"MIX"}));
  EXPECT_EQ(visited, (Items{u"MiXed", u"mIx"}));
  EXPECT_EQ(walk.Current(), u"mIx");
  EXPECT_EQ(Rest(walk), (Items{u"max", u"mixer"}));
}

// A visit that changes the list: the walk goes on with the older items still there.
TEST(FifoEnumeratorTest, VisitWhereGoesOnAfterTheVisitChangesTheList) {
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  Fill(list, kFive);
  Items visited;
  list.NewEnum().VisitWhere([](std::u16string_view) { return true; },
                            [&](std::u16string_view item) {
                              visited.emplace_back(item);
                              if (item == u"d") {
                                list.Add(u"b");  // moves an unread item to the front
                                list.SetMaxCount(4);
                              }
                              return true;
                            });
  EXPECT_EQ(visited, (Items{u"e", u"d", u"c"}));
}

TEST(FifoEnumeratorTest, EmptyListEndsAtOnceAndStaysEnded) {
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  auto walk = list.NewEnum();
  std::u16string item = u"untouched";
  EXPECT_FALSE(walk.Next(item));
  EXPECT_FALSE(walk.Next(item));
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
  auto walk = list.NewEnum();
  std::u16string item;
  for (int i = 0; i < c.readBefore; ++i) ASSERT_TRUE(walk.Next(item));
  c.change(list);
  EXPECT_EQ(Rest(walk), c.rest);
  EXPECT_FALSE(walk.Next(item));
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
        ChangeCase{"RemovedUnreadItemIsSkipped", 1, [](CFifoBuffer& l) { l.Remove(u"C"); }, {u"d", u"b", u"a"}},
        ChangeCase{"RemovedCurrentItem", 2, [](CFifoBuffer& l) { l.RemoveAt(1); }, {u"c", u"b", u"a"}},
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

// The copy Next hands out is the caller's: changing the list afterwards leaves it.
TEST(FifoEnumeratorTest, CopiedItemOutlivesTheItemLeavingTheList) {
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  Fill(list, {u"a long item beyond any small string buffer", u"b"});
  auto walk = list.NewEnum();
  std::u16string item;
  ASSERT_TRUE(walk.Next(item));
  list.Clear();
  Fill(list, {u"other", u"items", u"entirely", u"longer than any small string buffer"});
  EXPECT_EQ(item, u"a long item beyond any small string buffer");
  EXPECT_EQ(Rest(walk), Items{});
}

TEST(FifoEnumeratorTest, OutlivesTheList) {
  const support::AsciiTextCase textCase;
  auto list = std::make_unique<CFifoBuffer>(textCase);
  Fill(*list, kFive);
  auto walk = list->NewEnum();
  std::u16string item;
  ASSERT_TRUE(walk.Next(item));
  list.reset();
  EXPECT_EQ(Rest(walk), (Items{u"d", u"c", u"b", u"a"}));
}

TEST(FifoEnumeratorTest, TwoEnumeratorsWalkIndependently) {
  const support::AsciiTextCase textCase;
  CFifoBuffer list(textCase);
  Fill(list, kFive);
  auto first = list.NewEnum();
  auto second = list.NewEnum();
  std::u16string item;
  ASSERT_TRUE(first.Next(item));
  ASSERT_TRUE(first.Next(item));
  EXPECT_EQ(Rest(second), kFive);
  EXPECT_EQ(Rest(first), (Items{u"c", u"b", u"a"}));
}

}  // namespace
}  // namespace zelvane::itemlist
