#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/automation_error.h"
#include "host/sim/sim_desktop.h"
#include "host/sim/sim_timer.h"

namespace zelvane::sim {
namespace {

class TimerLog final : public host::TimerEvents {
 public:
  TimerLog(SimDesktop& desktop, std::vector<std::string>& log, std::string name)
      : desktop_(desktop), log_(log), name_(std::move(name)) {}
  void tmr_Timer() override {
    log_.push_back(name_ + "@" + std::to_string(desktop_.NowMs()));
    if (onTick) onTick();
  }
  std::function<void()> onTick;

 private:
  SimDesktop& desktop_;
  std::vector<std::string>& log_;
  std::string name_;
};

/// A timer with its log, set to an interval but not yet enabled.
struct LoggedTimer {
  LoggedTimer(SimDesktop& desktop, std::vector<std::string>& log, std::string name, std::int32_t interval)
      : timer(desktop), events(desktop, log, std::move(name)) {
    timer.SetEvents(&events);
    timer.SetInterval(interval);
  }
  SimTimer timer;
  TimerLog events;
};

class LoopTest : public ::testing::Test {
 protected:
  SimDesktop desktop;
  std::vector<std::string> log;
};

TEST_F(LoopTest, APassRunsOnlyWhatWasQueuedWhenItBegan) {
  desktop.Post([&] {
    log.push_back("first");
    desktop.Post([&] { log.push_back("posted during pass 1"); });
  });
  desktop.Post([&] { log.push_back("second"); });
  desktop.DoEvents();
  EXPECT_EQ(log, (std::vector<std::string>{"first", "second"}));
  EXPECT_EQ(desktop.PendingCount(), 1u);
  desktop.DoEvents();
  EXPECT_EQ(log.back(), "posted during pass 1");
  EXPECT_EQ(desktop.PassCount(), 2);
}

TEST_F(LoopTest, ANestedPassDoesNotLetTheOuterPassRunLaterItems) {
  desktop.Post([&] {
    log.push_back("a begins");
    desktop.DoEvents();  // runs "b", which queues "late" for a later pass
    log.push_back("a ends");
  });
  desktop.Post([&] {
    log.push_back("b");
    desktop.Post([&] { log.push_back("late"); });
  });
  desktop.DoEvents();
  EXPECT_EQ(log, (std::vector<std::string>{"a begins", "b", "a ends"}));
  EXPECT_EQ(desktop.PendingCount(), 1u);
  EXPECT_EQ(desktop.PassCount(), 2);
}

TEST_F(LoopTest, OnPassRunsAtTheStartOfEachPassAndItsPostsRunInThatPass) {
  desktop.OnPass([&](int pass) {
    log.push_back("pass " + std::to_string(pass));
    if (pass == 2) desktop.Post([&] { log.push_back("typed in pass 2"); });
  });
  desktop.DoEvents();
  desktop.DoEvents();
  desktop.DoEvents();
  EXPECT_EQ(log, (std::vector<std::string>{"pass 1", "pass 2", "typed in pass 2", "pass 3"}));
}

TEST_F(LoopTest, TimersTickEveryIntervalOnTheVirtualClockInTimeOrder) {
  LoggedTimer fast(desktop, log, "fast", 100);
  LoggedTimer slow(desktop, log, "slow", 150);
  fast.timer.SetEnabled(true);
  slow.timer.SetEnabled(true);
  desktop.Advance(300);
  EXPECT_EQ(log, (std::vector<std::string>{"fast@100", "slow@150", "fast@200", "fast@300", "slow@300"}));
  EXPECT_EQ(desktop.NowMs(), 300);
}

TEST_F(LoopTest, EnablingStartsAFreshInterval) {
  LoggedTimer t(desktop, log, "t", 150);
  t.timer.SetEnabled(true);
  desktop.Advance(100);
  t.timer.SetEnabled(true);  // restarts: due at 250, not 150
  desktop.Advance(100);
  EXPECT_TRUE(log.empty());
  desktop.Advance(50);
  EXPECT_EQ(log, (std::vector<std::string>{"t@250"}));
}

TEST_F(LoopTest, ATimerCanDisableItselfAndEnableAnotherFromItsCallback) {
  LoggedTimer oneShot(desktop, log, "oneShot", 150);
  LoggedTimer other(desktop, log, "other", 50);
  oneShot.events.onTick = [&] {
    oneShot.timer.SetEnabled(false);
    other.timer.SetEnabled(true);
  };
  other.events.onTick = [&] { other.timer.SetEnabled(false); };
  oneShot.timer.SetEnabled(true);
  desktop.Advance(1000);
  EXPECT_EQ(log, (std::vector<std::string>{"oneShot@150", "other@200"}));
  EXPECT_EQ(oneShot.timer.TickCount(), 1);
}

TEST_F(LoopTest, ATimerDestroyedByAnotherTimersCallbackNeverFires) {
  LoggedTimer first(desktop, log, "first", 100);
  auto second = std::make_unique<LoggedTimer>(desktop, log, "second", 100);
  first.events.onTick = [&] { second.reset(); };
  first.timer.SetEnabled(true);
  second->timer.SetEnabled(true);
  desktop.Advance(250);
  EXPECT_EQ(log, (std::vector<std::string>{"first@100", "first@200"}));
}

TEST_F(LoopTest, AdvanceRunsQueuedItemsBeforeEachTimerAndAtTheEnd) {
  LoggedTimer t(desktop, log, "t", 100);
  t.timer.SetEnabled(true);
  desktop.Post([&] { log.push_back("queued@" + std::to_string(desktop.NowMs())); });
  t.events.onTick = [&] { desktop.Post([&] { log.push_back("after tick@" + std::to_string(desktop.NowMs())); }); };
  desktop.Advance(150);
  EXPECT_EQ(log, (std::vector<std::string>{"queued@0", "t@100", "after tick@100"}));
  EXPECT_EQ(desktop.PassCount(), 0);
}

TEST_F(LoopTest, APassAdvancesTheClockByItsDurationAndFiresDueTimers) {
  LoggedTimer t(desktop, log, "t", 150);
  t.timer.SetEnabled(true);
  desktop.SetPassDuration(60);
  desktop.DoEvents();
  desktop.DoEvents();
  EXPECT_TRUE(log.empty());
  desktop.DoEvents();
  EXPECT_EQ(log, (std::vector<std::string>{"t@150"}));
  EXPECT_EQ(desktop.NowMs(), 180);
}

TEST_F(LoopTest, ZeroIntervalTicksOncePerPassAndBadIntervalsAreRefused) {
  SimTimer timer(desktop);
  timer.SetEnabled(true);
  EXPECT_EQ(timer.TickCount(), 0);
  desktop.DoEvents();
  EXPECT_EQ(timer.TickCount(), 1);
  desktop.DoEvents();
  EXPECT_EQ(timer.TickCount(), 2);
  // A re-enabled timer's earlier tick is stale: one tick per pass still.
  timer.SetEnabled(true);
  desktop.DoEvents();
  EXPECT_EQ(timer.TickCount(), 3);
  timer.SetEnabled(false);
  desktop.DoEvents();
  desktop.Advance(1000);
  EXPECT_EQ(timer.TickCount(), 3);
  EXPECT_THROW(timer.SetInterval(-1), core::AutomationError);
  EXPECT_THROW(timer.SetInterval(65536), core::AutomationError);
}

TEST_F(LoopTest, ZeroTickQueuedByATimerThatWentDoesNothing) {
  {
    SimTimer timer(desktop);
    timer.SetEnabled(true);
  }
  EXPECT_EQ(desktop.PendingCount(), 1u);
  desktop.DoEvents();
  EXPECT_EQ(desktop.PendingCount(), 0u);
}

// The next zero tick is queued after the handler: a pass inside the handler does
// not tick again, and a handler that disables the timer leaves nothing queued.
TEST_F(LoopTest, ZeroTickQueuesTheNextAfterItsHandlerForATimerLeftAsItWas) {
  LoggedTimer t(desktop, log, "t", 0);
  t.events.onTick = [&] {
    if (log.size() == 1) {
      desktop.DoEvents();
    } else {
      t.timer.SetEnabled(false);
    }
  };
  t.timer.SetEnabled(true);
  desktop.DoEvents();
  EXPECT_EQ(log.size(), 1u);
  desktop.DoEvents();
  EXPECT_EQ(log.size(), 2u);
  EXPECT_EQ(desktop.PendingCount(), 0u);
}

TEST_F(LoopTest, PostedInputRunsAtTheNextPass) {
  struct Keys : SimWindowHandler {
    std::u16string typed;
    void OnChar(char16_t& ch) override { typed += ch; }
  } keys;
  const host::Hwnd w = desktop.CreateWindow(u"Test", 0, 0x10000000, 0, {0, 0, 10, 10}, &keys);
  desktop.SetFocus(w);
  desktop.PostType(u"hi");
  desktop.PostKey(13);
  EXPECT_TRUE(keys.typed.empty());
  EXPECT_EQ(desktop.RunUntilIdle(), 1);
  EXPECT_EQ(keys.typed, u"hi\r");
}

}  // namespace
}  // namespace zelvane::sim
