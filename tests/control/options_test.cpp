#include <gtest/gtest.h>

#include <functional>

#include "control_fixture.h"
#include "host/sim/sim_messages.h"
#include "key_probe.h"
#include "support/raises_automation_error.h"

namespace zelvane::control {
namespace {

constexpr int kShift = 1;

struct RemoveCase {
  const char* name;
  bool allowRemove;
  int shift;
  int downs;  // rows walked with Down before the press; 0 leaves no row highlighted
  bool cancel;
  Strings items;  // the item list afterwards
  Strings rows;
  std::int32_t highlighted;
  std::u16string text;  // the box's text afterwards: a relayed Shift+Delete cuts it
};

void PrintTo(const RemoveCase& c, std::ostream* os) { *os << c.name; }

class ShiftDeleteTest : public ControlTest, public ::testing::WithParamInterface<RemoveCase> {};

TEST_P(ShiftDeleteTest, RemovesTheHighlightedRowOnlyWhenAllowedAndNotCancelled) {
  const RemoveCase& c = GetParam();
  Zelvane& z = RunningWith({u"ab1", u"ab2", u"ab3", u"xy"});
  z.SetAllowRemove(c.allowRemove);
  DropDownFor(u"ab");
  for (int i = 0; i < c.downs; ++i) form.Press(sim::VK_DOWN);
  form.Events().On("RemovingItem", [&](support::EventArgs& args) {
    *args.Cancel = c.cancel;
    *args.Item = u"changed";
  });
  z.SetSelStart(0);
  z.SetSelLength(2);
  form.Events().Clear();
  KeyProbe probe(machine.desktop, form.Txt());
  form.Press(sim::VK_DELETE, c.shift);

  const bool raised = c.allowRemove && c.shift == kShift && c.downs > 0;
  EXPECT_EQ(form.Events().Count("RemovingItem"), raised ? 1 : 0);
  if (raised) {
    EXPECT_EQ(form.Events().Log()[1], "RemovingItem(ab" + std::to_string(c.downs) + ",False)");
  }
  EXPECT_EQ(probe.keyCode, raised ? 0 : sim::VK_DELETE);
  EXPECT_EQ(Items(), c.items);
  EXPECT_EQ(form.Lst().Rows(), c.rows);
  EXPECT_EQ(form.Lst().ListIndex(), c.highlighted);
  EXPECT_TRUE(form.Lst().Visible());
  EXPECT_EQ(form.Txt().Text(), c.text);
}

const Strings kAll{u"ab1", u"ab2", u"ab3", u"xy"};
const Strings kRows{u"ab1", u"ab2", u"ab3"};

INSTANTIATE_TEST_SUITE_P(
    Cases, ShiftDeleteTest,
    ::testing::Values(RemoveCase{"FirstRowGivesWayToTheNext", true, kShift, 1, false,
                                 {u"ab2", u"ab3", u"xy"}, {u"ab2", u"ab3"}, 0, u"ab"},
                      RemoveCase{"LastRowGivesWayToThePrevious", true, kShift, 3, false,
                                 {u"ab1", u"ab2", u"xy"}, {u"ab1", u"ab2"}, 1, u"ab"},
                      RemoveCase{"HostCancels", true, kShift, 2, true, kAll, kRows, 1, u"ab"},
                      RemoveCase{"NotAllowedTheBoxCuts", false, kShift, 2, false, kAll, kRows, 1, u""},
                      RemoveCase{"NoHighlightedRowTheBoxCuts", true, kShift, 0, false, kAll, kRows, -1, u""},
                      RemoveCase{"PlainDeleteIsTheBoxs", true, 0, 2, false, kAll, kRows, 1, u""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlTest, RemovingTheLastRowClosesTheList) {
  Zelvane& z = RunningWith({u"ab1", u"xy"});
  z.SetAllowRemove(true);
  DropDownFor(u"ab");
  form.Press(sim::VK_DOWN);
  form.Events().Clear();
  form.Press(sim::VK_DELETE, kShift);
  EXPECT_EQ(Items(), (Strings{u"xy"}));
  EXPECT_FALSE(form.Lst().Visible());
  EXPECT_EQ(form.Events().Names(), (Events{"KeyDown", "RemovingItem", "CloseUpList", "KeyUp"}));
}

TEST_F(ControlTest, RemovedRowShrinksTheOpenList) {
  Zelvane& z = RunningWith({u"ab1", u"ab2", u"ab3"});
  z.SetAllowRemove(true);
  DropDownFor(u"ab");
  form.Press(sim::VK_DOWN);
  form.Press(sim::VK_DELETE, kShift);
  host::Rect list{};
  machine.desktop.GetWindowRect(form.Lst().hWnd(), &list);
  EXPECT_EQ(list.bottom - list.top, 2 * form.Lst().ItemHeight() + 2);
  EXPECT_EQ(form.Events().Count("DropDownList"), 0);
}

// The user highlights and removes a row while the list refills for new text: the
// refill goes on safely and never brings the removed item back.
TEST_F(ControlTest, ShiftDeleteDuringARefillIsSafe) {
  Zelvane& z = RunningWith({u"ab1", u"ab2", u"ab3", u"ab4"});
  z.SetAllowRemove(true);
  DropDownFor(u"a");
  form.Type(u"b");
  int passes = 0;
  machine.desktop.OnPass([&](int) {
    if (++passes != 1) return;
    machine.desktop.PostKey(sim::VK_DOWN);
    machine.desktop.PostKey(sim::VK_DELETE, kShift);
  });
  form.Wait(150);
  machine.desktop.OnPass(nullptr);
  EXPECT_EQ(form.Events().Count("RemovingItem"), 1);
  EXPECT_EQ(Items(), (Strings{u"ab2", u"ab3", u"ab4"}));
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"ab2", u"ab3", u"ab4"}));
  EXPECT_TRUE(form.Lst().Visible());
  EXPECT_FALSE(z.FilterBusy());
}

// The rows stay as they were filled while the host changes the list; Shift+Delete
// then speaks only of entries the list still holds, as the list spells them.
struct StaleRowCase {
  const char* name;
  std::function<void(Zelvane&)> change;  // the host's call while the list is open
  int presses;                           // Shift+Delete presses on the highlighted row
  Events events;
  Strings items;
  Strings rows;
  std::int32_t highlighted;
};

void PrintTo(const StaleRowCase& c, std::ostream* os) { *os << c.name; }

class StaleRowTest : public ControlTest, public ::testing::WithParamInterface<StaleRowCase> {};

TEST_P(StaleRowTest, ShiftDeleteRaisesRemovingItemOnlyForEntriesStillListed) {
  const StaleRowCase& c = GetParam();
  Zelvane& z = RunningWith({u"ab1", u"ab2", u"ab3", u"xy"});
  z.SetAllowRemove(true);
  DropDownFor(u"ab");
  form.Press(sim::VK_DOWN);
  form.Press(sim::VK_DOWN);
  c.change(z);
  form.Events().Clear();
  for (int i = 0; i < c.presses; ++i) form.Press(sim::VK_DELETE, kShift);
  EXPECT_EQ(form.Events().Log(), c.events);
  EXPECT_EQ(Items(), c.items);
  EXPECT_EQ(form.Lst().Rows(), c.rows);
  EXPECT_EQ(form.Lst().ListIndex(), c.highlighted);
  EXPECT_EQ(form.Lst().Visible(), !c.rows.empty());
}

const Events kQuietPress{"KeyDown(46,1)", "KeyUp(46,1)"};

INSTANTIATE_TEST_SUITE_P(
    Changes, StaleRowTest,
    ::testing::Values(
        StaleRowCase{"ClearList", [](Zelvane& z) { z.ClearList(); }, 1, kQuietPress, {}, {u"ab1", u"ab3"}, 1},
        StaleRowCase{"ClearListThenEveryRow", [](Zelvane& z) { z.ClearList(); }, 3,
                     {"KeyDown(46,1)", "KeyUp(46,1)", "KeyDown(46,1)", "KeyUp(46,1)", "KeyDown(46,1)",
                      "CloseUpList", "KeyUp(46,1)"},
                     {}, {}, -1},
        StaleRowCase{"RemoveItemOfTheRow", [](Zelvane& z) { z.RemoveItem(1); }, 1, kQuietPress,
                     {u"ab1", u"ab3", u"xy"}, {u"ab1", u"ab3"}, 1},
        StaleRowCase{"StringValueWrite", [](Zelvane& z) { z.SetStringValue(u"xy\r\nab1"); }, 1, kQuietPress,
                     {u"ab1", u"xy"}, {u"ab1", u"ab3"}, 1},
        StaleRowCase{"AddItemRespelt", [](Zelvane& z) { z.AddItem(u"AB2"); }, 1,
                     {"KeyDown(46,1)", "RemovingItem(AB2,False)", "KeyUp(46,1)"}, {u"ab1", u"ab3", u"xy"},
                     {u"ab1", u"ab3"}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

struct RemoveItemCase {
  std::int32_t index;
  Strings items;  // empty when the index is refused
};

class RemoveItemTest : public ControlTest, public ::testing::WithParamInterface<RemoveItemCase> {};

TEST_P(RemoveItemTest, RemovesByIndexOrRaisesInvalidListIndex) {
  Zelvane& z = RunningWith({u"a", u"b", u"c"});
  const RemoveItemCase& c = GetParam();
  if (c.items.empty()) {
    EXPECT_TRUE(support::RaisesAutomationError([&] { z.RemoveItem(c.index); }, 5010, u"Zelvane",
                                               u"Invalid ListIndex"));
    EXPECT_EQ(Items(), (Strings{u"a", u"b", u"c"}));
  } else {
    z.RemoveItem(c.index);
    EXPECT_EQ(Items(), c.items);
  }
}

INSTANTIATE_TEST_SUITE_P(Indexes, RemoveItemTest,
                         ::testing::Values(RemoveItemCase{0, {u"b", u"c"}}, RemoveItemCase{1, {u"a", u"c"}},
                                           RemoveItemCase{2, {u"a", u"b"}}, RemoveItemCase{-1, {}},
                                           RemoveItemCase{3, {}}));

struct AnywhereCase {
  const char16_t* typed;
  Strings rows;
  bool open;
};

class MatchAnywhereTest : public ControlTest, public ::testing::WithParamInterface<AnywhereCase> {};

TEST_P(MatchAnywhereTest, OffersRowsHoldingTheTypedPatternAnywhere) {
  RunningWith({u"Hello", u"World", u"Moon", u"bacon", u"7up", u"Zone", u"cat", u"Ant"}).SetMatchAnywhere(true);
  TypeAndPause(GetParam().typed);
  EXPECT_EQ(form.Lst().Rows(), GetParam().rows);
  EXPECT_EQ(form.Lst().Visible(), GetParam().open);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MatchAnywhereTest,
    ::testing::Values(AnywhereCase{u"ON", {u"Moon", u"bacon", u"Zone"}, true},
                      AnywhereCase{u"l", {u"Hello", u"World"}, true},
                      AnywhereCase{u"hello", {u"Hello"}, false},  // only the text itself
                      AnywhereCase{u"o?n", {u"Moon"}, true},
                      AnywhereCase{u"#", {u"7up"}, true},
                      AnywhereCase{u"[b-c]", {u"bacon", u"cat"}, true},
                      AnywhereCase{u"n*e", {u"Zone"}, true},
                      AnywhereCase{u"q", {}, false}));

class FilterDelayTest : public ControlTest, public ::testing::WithParamInterface<std::int32_t> {};

// A burst of typing, each pause a millisecond shorter than the delay, refills once,
// the delay after the last change.
TEST_P(FilterDelayTest, RefillsTheDelayAfterTheLastChange) {
  const std::int32_t delay = GetParam();
  RunningWith({u"abc", u"abd"}).SetFilterDelay(delay);
  for (const char16_t* key : {u"a", u"b"}) {
    form.Type(key);
    form.Wait(delay - 1);
  }
  EXPECT_EQ(form.Tmr().TickCount(), 0);
  form.Wait(1);
  EXPECT_EQ(form.Tmr().TickCount(), 1);
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"abc", u"abd"}));
}

INSTANTIATE_TEST_SUITE_P(Delays, FilterDelayTest, ::testing::Values(1, 40, 10000));

TEST_F(ControlTest, FilterDelayZeroRefillsAtTheNextPassNeverInsideChange) {
  RunningWith({u"abc", u"abd"}).SetFilterDelay(0);
  bool filledInChange = false;
  form.Events().On("Change", [&](support::EventArgs&) { filledInChange |= form.Lst().ListCount() > 0; });
  form.Type(u"ab");
  EXPECT_EQ(form.Tmr().TickCount(), 0);
  machine.desktop.DoEvents();
  EXPECT_EQ(form.Tmr().TickCount(), 1);
  EXPECT_FALSE(filledInChange);
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"abc", u"abd"}));
  EXPECT_EQ(form.Events().Count("DropDownList"), 1);
  form.Wait(1000);
  EXPECT_EQ(form.Tmr().TickCount(), 1);
}

struct RangeCase {
  const char* name;
  std::function<void(Zelvane&)> set;
  std::function<std::int32_t(const Zelvane&)> get;
  std::int32_t value;
  bool accepted;
};

void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name << "=" << c.value; }

class OptionRangeTest : public ControlTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(OptionRangeTest, OutOfRangeRaises380AndChangesNothing) {
  const RangeCase& c = GetParam();
  Zelvane& z = RunningWith({});
  const std::int32_t before = c.get(z);
  if (c.accepted) {
    c.set(z);
    EXPECT_EQ(c.get(z), c.value);
  } else {
    EXPECT_TRUE(support::RaisesAutomationError([&] { c.set(z); }, 380, u"ZelvaneTextBox", u"Invalid property value"));
    EXPECT_EQ(c.get(z), before);
  }
}

RangeCase Delay(std::int32_t value, bool accepted) {
  return {"FilterDelay", [value](Zelvane& z) { z.SetFilterDelay(value); },
          [](const Zelvane& z) { return z.FilterDelay(); }, value, accepted};
}

RangeCase Rows(std::int16_t value, bool accepted) {
  return {"ListRows", [value](Zelvane& z) { z.SetListRows(value); }, [](const Zelvane& z) { return z.ListRows(); },
          value, accepted};
}

INSTANTIATE_TEST_SUITE_P(Bounds, OptionRangeTest,
                         ::testing::Values(Delay(0, true), Delay(10000, true), Delay(-1, false), Delay(10001, false),
                                           Rows(1, true), Rows(100, true), Rows(0, false), Rows(101, false)));

TEST_F(ControlTest, FilterDelayIsTheTimersInterval) {
  RunningWith({}).SetFilterDelay(40);
  EXPECT_EQ(form.Tmr().Interval(), 40);
}

struct ListRowsCase {
  std::int16_t listRows;
  int matching;
  int height;
};

class ListRowsTest : public ControlTest, public ::testing::WithParamInterface<ListRowsCase> {};

TEST_P(ListRowsTest, ShowsAtMostListRowsRows) {
  Zelvane& z = RunningWith({});
  z.SetListRows(GetParam().listRows);
  for (int i = 0; i < GetParam().matching; ++i) z.AddItem(u"r" + std::u16string(1, static_cast<char16_t>(u'a' + i)));
  TypeAndPause(u"r");
  host::Rect list{};
  machine.desktop.GetWindowRect(form.Lst().hWnd(), &list);
  EXPECT_EQ(list.bottom - list.top, GetParam().height);
}

INSTANTIATE_TEST_SUITE_P(Rows, ListRowsTest,
                         ::testing::Values(ListRowsCase{1, 3, 18}, ListRowsCase{3, 10, 50}, ListRowsCase{10, 3, 50},
                                           ListRowsCase{20, 20, 322}));

struct EscapeCase {
  const char* name;
  bool closeOnEscape;
  bool open;
  bool hostClearsKey;
  Events events;
  int controlInfoChanges;  // the container hears when the open list claims Escape and gives it back
};

void PrintTo(const EscapeCase& c, std::ostream* os) { *os << c.name; }

class EscapeTest : public ControlTest, public ::testing::WithParamInterface<EscapeCase> {};

TEST_P(EscapeTest, ClosesTheOpenListAfterKeyDownOnlyWhenAsked) {
  const EscapeCase& c = GetParam();
  Zelvane& z = RunningWith({u"ab", u"ac"});
  z.SetCloseOnEscape(c.closeOnEscape);
  DropDownFor(c.open ? u"a" : u"q");
  ASSERT_EQ(form.Lst().Visible(), c.open);
  EXPECT_EQ(z.ClaimsEscape(), c.closeOnEscape && c.open);
  if (c.hostClearsKey) form.Events().On("KeyDown", [](support::EventArgs& args) { *args.KeyCode = 0; });
  KeyProbe probe(machine.desktop, form.Txt());
  form.Press(sim::VK_ESCAPE);
  const bool closes = c.closeOnEscape && c.open && !c.hostClearsKey;
  EXPECT_EQ(form.Lst().Visible(), c.open && !closes);
  EXPECT_EQ(probe.keyCode, closes || c.hostClearsKey ? 0 : sim::VK_ESCAPE);
  EXPECT_EQ(form.Events().Names(), c.events);
  EXPECT_EQ(z.ClaimsEscape(), c.hostClearsKey);
  EXPECT_EQ(form.Container().ControlInfoChanges(), c.controlInfoChanges);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EscapeTest,
    ::testing::Values(EscapeCase{"OpenListCloses", true, true, false, {"KeyDown", "CloseUpList", "KeyPress", "KeyUp"}, 2},
                      EscapeCase{"HostClearsTheKeyFirst", true, true, true, {"KeyDown", "KeyPress", "KeyUp"}, 1},
                      EscapeCase{"ClosedListRelays", true, false, false, {"KeyDown", "KeyPress", "KeyUp"}, 0},
                      EscapeCase{"OptionOffRelays", false, true, false, {"KeyDown", "KeyPress", "KeyUp"}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zelvane::control
