#include <gtest/gtest.h>

#include <vector>

#include "control_fixture.h"
#include "core/variant_enumerator.h"
#include "support/raises_automation_error.h"

namespace zelvane::control {
namespace {

// A host collection that fails part-way, as a collection holding an object would.
class ScriptedCollection final : public core::VariantEnumerator {
 public:
  explicit ScriptedCollection(std::vector<core::Variant> elements) : elements_(std::move(elements)) {}
  bool Next(core::Variant& element) override {
    if (next_ == elements_.size()) return false;
    element = elements_[next_++];
    return true;
  }

 private:
  std::vector<core::Variant> elements_;
  std::size_t next_ = 0;
};

std::vector<core::Variant> Variants(std::initializer_list<const char16_t*> texts) {
  std::vector<core::Variant> out;
  for (const char16_t* t : texts) out.emplace_back(std::u16string(t));
  return out;
}

TEST_F(ControlTest, ListCountsFromZeroAtTheMostRecentItem) {
  Zelvane& z = RunningWith({u"newest", u"middle", u"oldest"});
  EXPECT_EQ(z.ListCount(), 3);
  EXPECT_EQ(z.List(0), core::Variant(std::u16string(u"newest")));
  EXPECT_EQ(z.List(2), core::Variant(std::u16string(u"oldest")));
}

class ListIndexTest : public ControlTest, public ::testing::WithParamInterface<int> {};

TEST_P(ListIndexTest, OutsideTheListRaises5010) {
  Zelvane& z = RunningWith({u"a", u"b"});
  EXPECT_TRUE(
      support::RaisesAutomationError([&] { (void)z.List(GetParam()); }, 5010, u"Zelvane", u"Invalid ListIndex"));
  form.Control().ClearList();
  EXPECT_TRUE(support::RaisesAutomationError([&] { (void)z.List(0); }, 5010, u"Zelvane", u"Invalid ListIndex"));
}

INSTANTIATE_TEST_SUITE_P(Indexes, ListIndexTest, ::testing::Values(-1, 2, 1000, -2147483647 - 1, 2147483647));

struct MaxCountCase {
  std::int32_t value;
  std::int32_t number;
  const char16_t* source;
  const char16_t* description;
};

class BadMaxCountTest : public ControlTest, public ::testing::WithParamInterface<MaxCountCase> {};

TEST_P(BadMaxCountTest, LeavesListAndLimitAsTheyWere) {
  Zelvane& z = RunningWith({u"a", u"b", u"c"});
  z.SetMaxCount(50);
  const MaxCountCase& c = GetParam();
  EXPECT_TRUE(support::RaisesAutomationError([&] { z.SetMaxCount(c.value); }, c.number, c.source, c.description));
  EXPECT_EQ(z.MaxCount(), 50);
  EXPECT_EQ(Items(), (Strings{u"a", u"b", u"c"}));
}

INSTANTIATE_TEST_SUITE_P(
    Values, BadMaxCountTest,
    ::testing::Values(MaxCountCase{0, 5030, u"Zelvane", u"MaxCount must be greater than zero"},
                      MaxCountCase{-1, 5030, u"Zelvane", u"MaxCount must be greater than zero"},
                      MaxCountCase{32768, 6, u"ZelvaneTextBox", u"Overflow"},
                      MaxCountCase{2147483647, 6, u"ZelvaneTextBox", u"Overflow"}));

TEST_F(ControlTest, MaxCountCutsToTheMostRecentAndAcceptsTheLargest) {
  Zelvane& z = RunningWith({u"a", u"b", u"c", u"d", u"e"});
  z.SetMaxCount(2);
  EXPECT_EQ(Items(), (Strings{u"a", u"b"}));
  z.SetMaxCount(32767);
  EXPECT_EQ(z.MaxCount(), 32767);
  EXPECT_EQ(Items(), (Strings{u"a", u"b"}));
  z.ClearList();
  EXPECT_EQ(z.MaxCount(), 32767);
}

TEST_F(ControlTest, StringValueAtDesignTimeShowsTheMessageAndChangesNothing) {
  form.Container().SetUserMode(false);
  Zelvane& z = form.CreateNew();
  z.AddItem(u"kept");
  z.SetStringValue(u"x\r\ny");
  ASSERT_EQ(machine.messageBox.Log().size(), 1u);
  EXPECT_EQ(machine.messageBox.Log()[0],
            (sim::ShownMessage{u"StringValue property can be used at RunTime only", 64, u"Zelvane"}));
  EXPECT_EQ(Items(), (Strings{u"kept"}));
  EXPECT_EQ(z.StringValue(), u"");
}

struct StringValueCase {
  const char16_t* written;
  Strings items;
};

class StringValueWriteTest : public ControlTest, public ::testing::WithParamInterface<StringValueCase> {};

TEST_P(StringValueWriteTest, ReplacesTheListWithTheLinesLastFirst) {
  Zelvane& z = RunningWith({u"old"});
  z.SetStringValue(GetParam().written);
  EXPECT_EQ(Items(), GetParam().items);
  EXPECT_TRUE(machine.messageBox.Log().empty());
}

INSTANTIATE_TEST_SUITE_P(Values, StringValueWriteTest,
                         ::testing::Values(StringValueCase{u"", {}},
                                           StringValueCase{u"a\r\n\r\nb", {u"b", u"a"}},
                                           StringValueCase{u"\r\na\r\n", {u"a"}},
                                           StringValueCase{u"a\nb\rc", {u"a\nb\rc"}},
                                           StringValueCase{u"x\r\nY\r\ny", {u"y", u"x"}}));

TEST_F(ControlTest, StringValueReadBackAndWrittenReversesTheList) {
  Zelvane& z = RunningWith({u"a", u"b", u"c"});
  EXPECT_EQ(z.StringValue(), u"a\r\nb\r\nc");
  z.SetStringValue(z.StringValue());
  EXPECT_EQ(Items(), (Strings{u"c", u"b", u"a"}));
}

struct ArrayCase {
  std::vector<core::Variant> elements;
  std::int32_t maxCount;
  Strings items;
};

class ListFromArrayTest : public ControlTest, public ::testing::WithParamInterface<ArrayCase> {};

TEST_P(ListFromArrayTest, KeepsEachValueOnceByItsLastOccurrence) {
  Zelvane& z = RunningWith({u"old"});
  z.SetMaxCount(GetParam().maxCount);
  z.ListFromArray(GetParam().elements);
  EXPECT_EQ(Items(), GetParam().items);
}

INSTANTIATE_TEST_SUITE_P(
    Arrays, ListFromArrayTest,
    ::testing::Values(ArrayCase{Variants({u"x", u"y", u"z"}), 100, {u"z", u"y", u"x"}},
                      ArrayCase{Variants({u"Foo", u"bar", u"foo"}), 100, {u"foo", u"bar"}},
                      ArrayCase{Variants({u"a", u"b", u"c", u"d"}), 2, {u"d", u"c"}},
                      ArrayCase{Variants({u"", u""}), 100, {}},
                      ArrayCase{{core::Variant(std::int32_t{7}), core::Variant(true), core::Variant(2.5)},
                                100,
                                {u"2.5", u"True", u"7"}}));

TEST_F(ControlTest, ListFromArrayFailingMidwayKeepsWhatWasAdded) {
  Zelvane& z = RunningWith({u"old"});
  const std::vector<core::Variant> elements{std::u16string(u"a"), core::Null{}, std::u16string(u"b")};
  EXPECT_TRUE(support::RaisesAutomationError([&] { z.ListFromArray(elements); }, 13, u"ZelvaneTextBox",
                                             u"Type mismatch"));
  EXPECT_EQ(Items(), (Strings{u"a"}));
}

TEST_F(ControlTest, ListFromCollectionFollowsItsOrderAndKeepsWhatCameBeforeAFailure) {
  Zelvane& z = RunningWith({u"old"});
  ScriptedCollection good(Variants({u"one", u"two", u"One"}));
  z.ListFromCollection(good);
  EXPECT_EQ(Items(), (Strings{u"One", u"two"}));

  ScriptedCollection bad({std::u16string(u"p"), std::u16string(u"q"), core::ObjectPtr(), std::u16string(u"r")});
  EXPECT_TRUE(support::RaisesAutomationError([&] { z.ListFromCollection(bad); }, 13, u"ZelvaneTextBox",
                                             u"Type mismatch"));
  EXPECT_EQ(Items(), (Strings{u"q", u"p"}));
}

TEST_F(ControlTest, AddItemAndAddCurrentItemGoThroughTheItemList) {
  Zelvane& z = RunningWith({u"Apple", u"pear"});
  z.AddItem(u"");
  EXPECT_EQ(Items(), (Strings{u"Apple", u"pear"}));
  z.SetText(u"PEAR");
  z.AddCurrentItem();
  EXPECT_EQ(Items(), (Strings{u"PEAR", u"Apple"}));
  z.SetText(u"");
  z.AddCurrentItem();
  EXPECT_EQ(Items(), (Strings{u"PEAR", u"Apple"}));
}

TEST_F(ControlTest, ListMembersLeaveTheDropDownRowsAlone) {
  Zelvane& z = RunningWith({u"alpha", u"alps"});
  TypeAndPause(u"al");
  ASSERT_TRUE(form.Lst().Visible());
  z.AddItem(u"album");
  z.ClearList();
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"alpha", u"alps"}));
}

}  // namespace
}  // namespace zelvane::control
