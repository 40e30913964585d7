#include <gtest/gtest.h>

#include "hook_test_fixture.h"
#include "hooks/m_windows_hook.h"
#include "recording_client.h"

namespace zelvane::hooks::testing {
namespace {

using mWindowsHook::AttachHook;
using mWindowsHook::DetachHook;

class HookInstallPerTypeTest : public HookServiceTest, public ::testing::WithParamInterface<int> {};

TEST_P(HookInstallPerTypeTest, FirstClientInstallsAndLastRemovesTheThreadsHook) {
  const int type = GetParam();
  OnFreshThread([&] {
    RecordingClient a("A", log), b("B", log);
    EXPECT_TRUE(AttachHook(desktop, &a, type));
    ASSERT_EQ(InstalledHooks(type), 1u);
    const auto hook = desktop.Hooks().front();
    EXPECT_EQ(hook.idHook, type);
    EXPECT_EQ(hook.hmod, 0u);
    EXPECT_EQ(hook.threadId, desktop.GetCurrentThreadId());

    EXPECT_TRUE(AttachHook(desktop, &b, type));
    DetachHook(desktop, &a, type);
    EXPECT_EQ(desktop.HookInstallCount(), 1);
    EXPECT_EQ(InstalledHooks(type), 1u);

    DetachHook(desktop, &b, type);
    EXPECT_EQ(InstalledHooks(type), 0u);
    EXPECT_EQ(desktop.HookRemoveCount(), 1);

    AttachHook(desktop, &a, type);
    EXPECT_EQ(desktop.HookInstallCount(), 2);
    DetachHook(desktop, &a, type);
  });
}

INSTANTIATE_TEST_SUITE_P(SupportedTypes, HookInstallPerTypeTest,
                         ::testing::Values(host::WH_MSGFILTER, host::WH_KEYBOARD, host::WH_GETMESSAGE,
                                           host::WH_CALLWNDPROC, host::WH_MOUSE, host::WH_SHELL,
                                           host::WH_FOREGROUNDIDLE, host::WH_CALLWNDPROCRET));

TEST_F(HookServiceTest, AttachingTwiceKeepsOneSlotAndTracesTheSameSize) {
  OnFreshThread([&] {
    RecordingClient a("A", log);
    AttachHook(desktop, &a, host::WH_MOUSE);
    EXPECT_EQ(LastTrace(), "mWindowsHook: Number of attached: 1");
    AttachHook(desktop, &a, host::WH_MOUSE);
    EXPECT_EQ(LastTrace(), "mWindowsHook: Number of attached: 1");
    desktop.MouseMove({5, 5});
    EXPECT_EQ(log, (std::vector<std::string>{"A"}));
    EXPECT_EQ(desktop.HookInstallCount(), 1);
    DetachHook(desktop, &a, host::WH_MOUSE);
    EXPECT_EQ(InstalledHooks(host::WH_MOUSE), 0u);
  });
}

TEST_F(HookServiceTest, OneClientOnTwoTypesHoldsTwoSlotsAndLeavesThemSeparately) {
  OnFreshThread([&] {
    RecordingClient a("A", log);
    AttachHook(desktop, &a, host::WH_MOUSE);
    AttachHook(desktop, &a, host::WH_KEYBOARD);
    EXPECT_EQ(LastTrace(), "mWindowsHook: Number of attached: 2");
    DetachHook(desktop, &a, host::WH_MOUSE);
    EXPECT_EQ(InstalledHooks(host::WH_MOUSE), 0u);
    EXPECT_EQ(InstalledHooks(host::WH_KEYBOARD), 1u);
    desktop.KeyDown('A');
    EXPECT_EQ(log, (std::vector<std::string>{"A"}));
    DetachHook(desktop, &a, host::WH_KEYBOARD);
  });
}

TEST_F(HookServiceTest, AFreedSlotIsReusedFirstAndTheTableNeverShrinks) {
  OnFreshThread([&] {
    RecordingClient a("A", log), b("B", log), c("C", log);
    AttachHook(desktop, &a, host::WH_MOUSE);
    AttachHook(desktop, &b, host::WH_MOUSE);
    DetachHook(desktop, &a, host::WH_MOUSE);
    AttachHook(desktop, &c, host::WH_MOUSE);
    EXPECT_EQ(LastTrace(), "mWindowsHook: Number of attached: 2");
    EXPECT_EQ(desktop.HookInstallCount(), 1);
    EXPECT_EQ(desktop.HookRemoveCount(), 0);
    // Slot order is dispatch order: C sits in the first slot, before B.
    desktop.MouseMove({5, 5});
    EXPECT_EQ(log, (std::vector<std::string>{"C", "B"}));

    DetachHook(desktop, &b, host::WH_MOUSE);
    DetachHook(desktop, &c, host::WH_MOUSE);
    AttachHook(desktop, &a, host::WH_KEYBOARD);
    EXPECT_EQ(LastTrace(), "mWindowsHook: Number of attached: 2");
    DetachHook(desktop, &a, host::WH_KEYBOARD);
  });
}

TEST_F(HookServiceTest, OfSeveralFreeSlotsTheFirstIsTaken) {
  OnFreshThread([&] {
    RecordingClient a("A", log), b("B", log), c("C", log), d("D", log), e("E", log);
    for (auto* client : {&a, &b, &c}) AttachHook(desktop, client, host::WH_MOUSE);
    DetachHook(desktop, &a, host::WH_MOUSE);
    DetachHook(desktop, &b, host::WH_MOUSE);
    AttachHook(desktop, &d, host::WH_MOUSE);
    AttachHook(desktop, &e, host::WH_MOUSE);
    EXPECT_EQ(LastTrace(), "mWindowsHook: Number of attached: 3");
    desktop.MouseMove({5, 5});
    EXPECT_EQ(log, (std::vector<std::string>{"D", "E", "C"}));
    for (auto* client : {&c, &d, &e}) DetachHook(desktop, client, host::WH_MOUSE);
  });
}

TEST_F(HookServiceTest, DetachingAStrangerChangesNothing) {
  OnFreshThread([&] {
    RecordingClient a("A", log), stranger("S", log);
    DetachHook(desktop, &stranger, host::WH_MOUSE);
    EXPECT_EQ(desktop.HookRemoveCount(), 0);

    AttachHook(desktop, &a, host::WH_MOUSE);
    DetachHook(desktop, &stranger, host::WH_MOUSE);
    DetachHook(desktop, &a, host::WH_KEYBOARD);
    EXPECT_EQ(InstalledHooks(host::WH_MOUSE), 1u);
    desktop.MouseMove({5, 5});
    EXPECT_EQ(log, (std::vector<std::string>{"A"}));
    DetachHook(desktop, &a, host::WH_MOUSE);
  });
}

TEST_F(HookServiceTest, HooksLeftInstalledAreRemovedWhenTheThreadEnds) {
  RecordingClient a("A", log);
  OnFreshThread([&] {
    AttachHook(desktop, &a, host::WH_MOUSE);
    AttachHook(desktop, &a, host::WH_GETMESSAGE);
    EXPECT_EQ(desktop.Hooks().size(), 2u);
  });
  EXPECT_TRUE(desktop.Hooks().empty());
  EXPECT_EQ(desktop.HookRemoveCount(), 2);
}

TEST_F(HookServiceTest, ThreadsNeverSeeEachOthersClientsOrHooks) {
  OnFreshThread([&] {
    RecordingClient first("first", log);
    AttachHook(desktop, &first, host::WH_MOUSE);
    std::vector<std::string> otherLog;
    OnFreshThread([&] {
      RecordingClient second("second", otherLog);
      EXPECT_EQ(InstalledHooks(host::WH_MOUSE), 0u);
      AttachHook(desktop, &second, host::WH_MOUSE);
      EXPECT_EQ(LastTrace(), "mWindowsHook: Number of attached: 1");
      desktop.MouseMove({5, 5});
      DetachHook(desktop, &second, host::WH_MOUSE);
    });
    EXPECT_EQ(otherLog, (std::vector<std::string>{"second"}));
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(InstalledHooks(host::WH_MOUSE), 1u);
    desktop.MouseMove({5, 5});
    EXPECT_EQ(log, (std::vector<std::string>{"first"}));
    DetachHook(desktop, &first, host::WH_MOUSE);
  });
}

}  // namespace
}  // namespace zelvane::hooks::testing
