#include <gtest/gtest.h>

#include <stdexcept>

#include "control_fixture.h"
#include "host/sim/sim_messages.h"

namespace zelvane::control {
namespace {

// Six items begin with "a", three of them with "ab"; each matching row costs a
// message-loop pass, during which the person and the host act.
class FilterReentranceTest : public ControlTest {
 protected:
  Zelvane& Start() {
    Zelvane& z = RunningWith({u"a1", u"ab1", u"a2", u"ab2", u"a3", u"ab3", u"zz"});
    form.Type(u"a");
    return z;
  }

  void DuringPass(int pass, std::function<void()> act) {
    machine.desktop.OnPass([pass, act = std::move(act)](int number) {
      if (number == pass) act();
    });
  }
};

TEST_F(FilterReentranceTest, TypingDuringAPassRestartsTheRunWithTheNewText) {
  Start();
  DuringPass(2, [&] { form.Type(u"b"); });
  form.Wait(150);
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"ab1", u"ab2", u"ab3"}));
  EXPECT_TRUE(form.Lst().Visible());
  EXPECT_EQ(form.Events().Count("DropDownList"), 1);
  EXPECT_FALSE(form.Control().FilterBusy());
  // Two fills: the abandoned one and the one for "ab"; painting back on after each.
  EXPECT_EQ(form.Lst().RedrawOffCount(), 2);
  EXPECT_TRUE(form.Lst().Redrawing());
  // The change restarted the delay too: one more refill follows, to the same rows.
  form.Wait(150);
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"ab1", u"ab2", u"ab3"}));
  EXPECT_EQ(form.Events().Count("DropDownList"), 2);
}

TEST_F(FilterReentranceTest, ChangeDuringTheLastPassIsNotLost) {
  Start();
  // Pass 6 follows the last matching row ("a3"... "ab3" is the sixth match).
  DuringPass(6, [&] { form.Type(u"b"); });
  form.Wait(150);
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"ab1", u"ab2", u"ab3"}));
}

TEST_F(FilterReentranceTest, NestedCallsFromKeysTheButtonAndTheTimerDoNothing) {
  Zelvane& z = Start();
  z.SetShowButton(true);
  machine.desktop.SetPassDuration(60);
  int seenBusy = 0;
  machine.desktop.OnPass([&](int number) {
    seenBusy += z.FilterBusy() ? 1 : 0;
    if (number == 1) form.Type(u"b");  // restarts the 150 ms delay: it ticks inside a later pass
    if (number == 2) form.Press(sim::VK_DOWN);
    if (number == 3) machine.desktop.Click(form.ButtonPoint());
  });
  form.Wait(150);
  machine.desktop.OnPass({});
  EXPECT_EQ(seenBusy, machine.desktop.PassCount());
  EXPECT_EQ(form.Tmr().TickCount(), 2);
  EXPECT_FALSE(form.Tmr().Enabled());
  EXPECT_EQ(form.Events().Count("ButtonClick"), 1);
  // Only the outer run filled the list: the first try and the restart.
  EXPECT_EQ(form.Lst().RedrawOffCount(), 2);
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"ab1", u"ab2", u"ab3"}));
  EXPECT_EQ(form.Events().Count("DropDownList"), 1);
  EXPECT_FALSE(z.FilterBusy());
}

TEST_F(FilterReentranceTest, EnterDuringAPassSavesTheTextWhileTheListIsWalked) {
  Zelvane& z = Start();
  DuringPass(2, [&] { form.Press(sim::VK_RETURN); });
  form.Wait(150);
  EXPECT_EQ(z.List(0), core::Variant(std::u16string(u"a")));
  EXPECT_EQ(z.ListCount(), 8);
  // The walk under way goes on over the items older than the row it had reached.
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"a1", u"ab1", u"a2", u"ab2", u"a3", u"ab3"}));
  EXPECT_FALSE(z.FilterBusy());
}

TEST_F(FilterReentranceTest, HostClearingOrReloadingTheListDuringAPassIsSafe) {
  Zelvane& z = Start();
  DuringPass(2, [&] {
    z.ClearList();
    for (int i = 0; i < 50; ++i) z.AddItem(u"a-new" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26)));
  });
  form.Wait(150);
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"a1", u"ab1"}));
  EXPECT_FALSE(z.FilterBusy());
  // The next filter shows the list as it now stands.
  TypeAndPause(u"-");
  EXPECT_EQ(form.Lst().ListCount(), 26);
}

TEST_F(FilterReentranceTest, AcceptingARowDuringAPassRefillsForTheAcceptedText) {
  Start();
  form.Wait(150);
  ASSERT_TRUE(form.Lst().Visible());
  form.Type(u"b");
  DuringPass(machine.desktop.PassCount() + 1, [&] { form.ClickRow(0); });
  form.Wait(150);
  EXPECT_EQ(form.Txt().Text(), u"ab1");
  // The run noticed the accepted text and filtered for it: only the text itself.
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"ab1"}));
  EXPECT_FALSE(form.Lst().Visible());
}

TEST_F(FilterReentranceTest, FailureInAHandlerDuringAPassLeavesTheControlWorking) {
  Zelvane& z = Start();
  DuringPass(2, [] { throw std::runtime_error("host handler failed"); });
  EXPECT_THROW(form.Wait(150), std::runtime_error);
  machine.desktop.OnPass({});
  EXPECT_FALSE(z.FilterBusy());
  EXPECT_TRUE(form.Lst().Redrawing());
  TypeAndPause(u"b");
  EXPECT_EQ(form.Lst().Rows(), (Strings{u"ab1", u"ab2", u"ab3"}));
  EXPECT_TRUE(form.Lst().Visible());
}

TEST_F(FilterReentranceTest, FailureInAHostEventDuringAPassClearsTheBusyFlag) {
  Zelvane& z = Start();
  form.Events().On("KeyDown", [](support::EventArgs&) { throw std::runtime_error("host KeyDown failed"); });
  DuringPass(3, [&] { form.Press(sim::VK_DOWN); });
  EXPECT_THROW(form.Wait(150), std::runtime_error);
  EXPECT_FALSE(z.FilterBusy());
}

TEST_F(FilterReentranceTest, TwoControlsFilterIndependently) {
  support::SimForm other(machine, {.control = {20, 200, 144, 225}});
  other.Container().SetUserMode(true);
  Zelvane& second = other.CreateNew();
  for (const char16_t* item : {u"b3", u"b2", u"b1"}) second.AddItem(item);
  Zelvane& first = Start();
  bool secondRanInside = false;
  DuringPass(1, [&] {
    other.Type(u"b");
    other.Wait(150);  // its own delay runs out inside the first control's pass
    secondRanInside = first.FilterBusy() && !second.FilterBusy() && other.Lst().ListCount() == 3;
  });
  form.Wait(150);
  EXPECT_TRUE(secondRanInside);
  EXPECT_EQ(other.Lst().Rows(), (Strings{u"b1", u"b2", u"b3"}));
  EXPECT_EQ(form.Lst().ListCount(), 6);
  EXPECT_FALSE(first.FilterBusy());
}

}  // namespace
}  // namespace zelvane::control
