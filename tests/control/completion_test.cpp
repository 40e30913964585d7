#include <gtest/gtest.h>

#include "control_fixture.h"
#include "host/sim/sim_messages.h"
#include "key_probe.h"

namespace zelvane::control {
namespace {

TEST_F(ControlTest, TypingBurstGivesOneRefill150msAfterTheLastKeystroke) {
  RunningWith({u"abc", u"abd"});
  form.Type(u"a");
  form.Wait(100);
  form.Type(u"b");
  form.Wait(149);
  EXPECT_EQ(form.Tmr().TickCount(), 0);
  EXPECT_TRUE(form.Lst().Rows().empty());
  form.Wait(1);
  EXPECT_EQ(form.Tmr().TickCount(), 1);
  EXPECT_FALSE(form.Tmr().Enabled());
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"abc", u"abd"}));
  EXPECT_EQ(form.Events().Count("DropDownList"), 1);
  form.Wait(1000);
  EXPECT_EQ(form.Tmr().TickCount(), 1);
}

TEST_F(ControlTest, MatchingRowsAreAppendedAsStoredAndOpenTheList) {
  RunningWith({u"abacus", u"Cab", u"ABBA"});
  TypeAndPause(u"ab");
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"abacus", u"ABBA"}));
  EXPECT_TRUE(form.Lst().Visible());
  EXPECT_EQ(form.Lst().ListIndex(), -1);
  EXPECT_FALSE(form.Control().FilterBusy());
  // Every matching row costs one message-loop pass, and painting is off meanwhile.
  EXPECT_EQ(machine.desktop.PassCount(), 2);
  EXPECT_EQ(form.Lst().RowsAddedWhileRedrawOn(), 0);
  EXPECT_TRUE(form.Lst().Redrawing());
}

struct FilterCase {
  const char16_t* typed;
  Strings rows;
  bool open;
};

class FilterDecisionTest : public ControlTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(FilterDecisionTest, RowsAndDropDownFollowTheTypedText) {
  RunningWith({u"Hello", u"World", u"Moon", u"bacon", u"7up", u"Zone", u"cat", u"Ant"});
  TypeAndPause(GetParam().typed);
  EXPECT_EQ(form.Lst().Rows(), GetParam().rows);
  EXPECT_EQ(form.Lst().Visible(), GetParam().open);
  EXPECT_EQ(form.Events().Count("DropDownList"), GetParam().open ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FilterDecisionTest,
    ::testing::Values(FilterCase{u"hello", {u"Hello"}, false},  // only the text itself
                      FilterCase{u"hel", {u"Hello"}, true},     // one row that differs
                      FilterCase{u"q", {}, false},
                      FilterCase{u"*ON", {u"Moon", u"bacon", u"Zone"}, true},
                      FilterCase{u"?A", {u"bacon", u"cat"}, true},
                      FilterCase{u"#", {u"7up"}, true},
                      FilterCase{u"[a-c]", {u"bacon", u"cat", u"Ant"}, true},
                      FilterCase{u"[z", {}, false}));

TEST_F(ControlTest, EmptyingTheTextClosesTheListThoughEveryItemWasAppended) {
  RunningWith({u"ab", u"ac"});
  TypeAndPause(u"a");
  ASSERT_TRUE(form.Lst().Visible());
  form.Press(sim::VK_BACK);
  form.Wait(150);
  EXPECT_FALSE(form.Lst().Visible());
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"ab", u"ac"}));
  EXPECT_EQ(form.Events().Count("CloseUpList"), 1);
}

TEST_F(ControlTest, HostWritingTextFiltersAfterTheDelay) {
  Zelvane& z = RunningWith({u"north", u"nope"});
  z.SetText(u"no");
  EXPECT_EQ(form.Events().Names(), (Events{"Change"}));
  form.Wait(150);
  EXPECT_TRUE(form.Lst().Visible());
}

TEST_F(ControlTest, DownWithTheListClosedFiltersAtOnce) {
  RunningWith({u"north", u"nope"});
  form.Type(u"no");
  form.Press(sim::VK_DOWN);
  EXPECT_TRUE(form.Lst().Visible());
  EXPECT_EQ(form.Lst().ListIndex(), -1);
}

TEST_F(ControlTest, DownWithTheListClosedAndOnlyTheTextMatchingKeepsItClosed) {
  RunningWith({u"north"});
  form.Type(u"North");
  form.Press(sim::VK_DOWN);
  EXPECT_FALSE(form.Lst().Visible());
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"north"}));
}

TEST_F(ControlTest, DownOnAnEmptyTextListsEveryItem) {
  RunningWith({u"b", u"a"});
  form.Press(sim::VK_DOWN);
  EXPECT_TRUE(form.Lst().Visible());
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"b", u"a"}));
  // No yielding while the whole list is put in.
  EXPECT_EQ(machine.desktop.PassCount(), 0);
}

TEST_F(ControlTest, DownAndUpWalkTheRowsWithoutWrapping) {
  RunningWith({u"a1", u"a2"});
  TypeAndPause(u"a");
  const std::vector<std::pair<int, int>> steps{{sim::VK_UP, -1},  {sim::VK_DOWN, 0}, {sim::VK_DOWN, 1},
                                               {sim::VK_DOWN, 1}, {sim::VK_UP, 0},   {sim::VK_UP, -1}};
  for (const auto& [key, index] : steps) {
    form.Press(key);
    EXPECT_EQ(form.Lst().ListIndex(), index);
  }
  EXPECT_EQ(form.Txt().Text(), u"a");
}

TEST_F(ControlTest, UpWithTheListClosedDoesNothing) {
  RunningWith({u"a1"});
  form.Type(u"a");
  form.Press(sim::VK_UP);
  EXPECT_FALSE(form.Lst().Visible());
  EXPECT_TRUE(form.Lst().Rows().empty());
}

TEST_F(ControlTest, EnterOnASelectedRowTakesItWithoutSavingTheText) {
  Zelvane& z = RunningWith({u"alpha", u"alps"});
  KeyProbe probe(machine.desktop, form.Txt());
  TypeAndPause(u"al");
  form.Press(sim::VK_DOWN);
  form.Press(sim::VK_DOWN);
  form.Press(sim::VK_RETURN);
  EXPECT_EQ(form.Txt().Text(), u"alps");
  EXPECT_EQ(z.Text(), u"alps");
  EXPECT_FALSE(form.Lst().Visible());
  EXPECT_EQ(Items(), (Strings{u"alpha", u"alps"}));
  EXPECT_EQ(probe.keyCode, 13);
  EXPECT_EQ(probe.keyAscii, 0);
  // Accepting stops the refill the text change would have caused.
  form.Wait(1000);
  EXPECT_EQ(form.Tmr().TickCount(), 1);
}

struct EnterCase {
  bool saveOnReturn;
  bool listOpen;
  Strings items;
  int keyCode;
};

class EnterWithoutRowTest : public ControlTest, public ::testing::WithParamInterface<EnterCase> {};

TEST_P(EnterWithoutRowTest, SavesTheTextWhenAskedAndCloses) {
  Zelvane& z = RunningWith({u"gamma", u"game"});
  z.SaveOnReturn = GetParam().saveOnReturn;
  KeyProbe probe(machine.desktop, form.Txt());
  form.Type(u"gam");
  if (GetParam().listOpen) form.Wait(150);
  form.Press(sim::VK_RETURN);
  EXPECT_EQ(Items(), GetParam().items);
  EXPECT_EQ(probe.keyCode, GetParam().keyCode);
  EXPECT_EQ(probe.keyAscii, 0);  // the Enter character never reaches the box
  EXPECT_FALSE(form.Lst().Visible());
  EXPECT_EQ(form.Events().Count("CloseUpList"), GetParam().listOpen ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Cases, EnterWithoutRowTest,
                         ::testing::Values(EnterCase{true, true, {u"gam", u"gamma", u"game"}, 0},
                                           EnterCase{true, false, {u"gam", u"gamma", u"game"}, 0},
                                           EnterCase{false, true, {u"gamma", u"game"}, 13},
                                           EnterCase{false, false, {u"gamma", u"game"}, 13}));

TEST_F(ControlTest, EnterOnAnEmptyTextStillSwallowsTheKey) {
  RunningWith({u"x"});
  KeyProbe probe(machine.desktop, form.Txt());
  form.Press(sim::VK_RETURN);
  EXPECT_EQ(Items(), (Strings{u"x"}));
  EXPECT_EQ(probe.keyCode, 0);
}

TEST_F(ControlTest, HostKeyDownHandlerThatClearsTheKeyTurnsOffItsHandling) {
  RunningWith({u"x"});
  KeyProbe probe(machine.desktop, form.Txt());
  form.Events().On("KeyDown", [](support::EventArgs& a) { *a.KeyCode = 0; });
  form.Type(u"new");
  form.Press(sim::VK_RETURN);
  form.Press(sim::VK_DOWN);
  EXPECT_EQ(Items(), (Strings{u"x"}));
  EXPECT_FALSE(form.Lst().Visible());
  EXPECT_EQ(probe.keyCode, 0);
}

struct RemapCase {
  int pressed;
  int handedOn;
  Strings items;
};

class KeyRemapTest : public ControlTest, public ::testing::WithParamInterface<RemapCase> {};

TEST_P(KeyRemapTest, TheControlActsOnTheKeyTheHostLeft) {
  RunningWith({u"x"});
  const RemapCase c = GetParam();
  form.Events().On("KeyDown", [c](support::EventArgs& a) {
    if (*a.KeyCode == c.pressed) *a.KeyCode = static_cast<std::int16_t>(c.handedOn);
  });
  form.Type(u"new");
  form.Press(c.pressed);
  EXPECT_EQ(Items(), c.items);
  EXPECT_FALSE(form.Lst().Visible());
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyRemapTest,
                         ::testing::Values(RemapCase{sim::VK_DOWN, sim::VK_RETURN, {u"new", u"x"}},
                                           RemapCase{sim::VK_RETURN, sim::VK_F4, {u"x"}}));

TEST_F(ControlTest, HostKeyPressHandlerChangesWhatTheBoxInserts) {
  RunningWith({});
  KeyProbe probe(machine.desktop, form.Txt());
  form.Events().On("KeyPress", [](support::EventArgs& a) {
    if (*a.KeyAscii == u'a') *a.KeyAscii = u'b';
    if (*a.KeyAscii == u'x') *a.KeyAscii = 13;  // swallowed like a typed Enter
  });
  form.Type(u"axc");
  EXPECT_EQ(form.Txt().Text(), u"bc");
  EXPECT_EQ(form.Control().Text(), u"bc");
}

TEST_F(ControlTest, OtherKeysAreOnlyRelayed) {
  RunningWith({u"ab", u"ac"});
  DropDownFor(u"a");
  for (const int key : {sim::VK_ESCAPE, sim::VK_HOME, sim::VK_END, sim::VK_DELETE}) form.Press(key);
  EXPECT_TRUE(form.Lst().Visible());
  EXPECT_EQ(form.Lst().ListIndex(), -1);
  EXPECT_EQ(form.Events().Count("CloseUpList"), 0);
}

TEST_F(ControlTest, TextBoxClicksAreRelayed) {
  RunningWith({});
  form.ClickText();
  machine.desktop.DoubleClick(form.TextPoint());
  const Events names = form.Events().Names();
  EXPECT_EQ(std::count(names.begin(), names.end(), "Click"), 2);
  EXPECT_EQ(std::count(names.begin(), names.end(), "DblClick"), 1);
}

}  // namespace
}  // namespace zelvane::control
