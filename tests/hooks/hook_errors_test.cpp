#include <gtest/gtest.h>

#include "core/automation_error.h"
#include "core/utf.h"
#include "hook_test_fixture.h"
#include "hooks/m_windows_hook.h"
#include "host/sim/sim_messages.h"
#include "recording_client.h"

namespace zelvane::hooks::testing {
namespace {

using mWindowsHook::AttachHook;
using mWindowsHook::DetachHook;

constexpr std::int32_t kHookError = -2147220455;

struct ExpectedError {
  std::int32_t number;
  std::string source;
  std::string description;
};

template <typename Call>
void ExpectAutomationError(Call call, const ExpectedError& expected) {
  try {
    call();
    ADD_FAILURE() << "no error raised";
  } catch (const core::AutomationError& error) {
    EXPECT_EQ(error.number(), expected.number);
    EXPECT_EQ(core::ToUtf8(error.source()), expected.source);
    EXPECT_EQ(core::ToUtf8(error.description()), expected.description);
  }
}

class HookErrorTest : public HookServiceTest {
 protected:
  void SetUp() override { desktop.SetModuleFileName(u"C:\\Apps\\Order.Entry\\Orders.v2.exe"); }
};

class UnsupportedHookTypeTest : public HookErrorTest, public ::testing::WithParamInterface<int> {};

TEST_P(UnsupportedHookTypeTest, IsRefusedWithoutInstallingOrTakingASlot) {
  OnFreshThread([&] {
    RecordingClient a("A", log);
    ExpectAutomationError([&] { AttachHook(desktop, &a, GetParam()); },
                          {kHookError, "Orders.v2.cQWIXHook", "Unsupported Hook Type."});
    EXPECT_TRUE(desktop.Hooks().empty());
    AttachHook(desktop, &a, host::WH_MOUSE);
    EXPECT_EQ(LastTrace(), "mWindowsHook: Number of attached: 1");
    DetachHook(desktop, &a, host::WH_MOUSE);
  });
}

INSTANTIATE_TEST_SUITE_P(InRangeButUnsupported, UnsupportedHookTypeTest,
                         ::testing::Values(host::WH_JOURNALRECORD, host::WH_JOURNALPLAYBACK, host::WH_CBT,
                                           host::WH_SYSMSGFILTER, host::WH_HARDWARE, host::WH_DEBUG,
                                           host::WH_KEYBOARD_LL, host::WH_MOUSE_LL));

class OutOfRangeHookTypeTest : public HookErrorTest, public ::testing::WithParamInterface<int> {};

TEST_P(OutOfRangeHookTypeTest, AttachAndDetachRaiseInvalidArgument) {
  OnFreshThread([&] {
    RecordingClient a("A", log);
    const ExpectedError invalid{5, "Orders.v2.mHook", "Invalid procedure call or argument"};
    ExpectAutomationError([&] { AttachHook(desktop, &a, GetParam()); }, invalid);
    EXPECT_TRUE(desktop.Hooks().empty());
    EXPECT_EQ(LastTrace(), "");
    ExpectAutomationError([&] { DetachHook(desktop, &a, GetParam()); }, invalid);
  });
}

INSTANTIATE_TEST_SUITE_P(JustOutside, OutOfRangeHookTypeTest, ::testing::Values(-2, 15));

TEST_F(HookErrorTest, DetachOfATypeOutsideTheRangeRaisesEvenWhenFreedSlotsMatchIt) {
  OnFreshThread([&] {
    // A freed slot holds -2; walking it must not count it as a live client.
    RecordingClient a("A", log);
    AttachHook(desktop, &a, host::WH_MOUSE);
    DetachHook(desktop, &a, host::WH_MOUSE);
    ExpectAutomationError([&] { DetachHook(desktop, &a, -2); },
                          {5, "Orders.v2.mHook", "Invalid procedure call or argument"});
  });
}

TEST_F(HookErrorTest, AFailedInstallRaisesTheSystemsTextAndRegistersNothing) {
  OnFreshThread([&] {
    RecordingClient a("A", log);
    const std::string text = core::ToUtf8(mWindowsHook::WinErrorText(desktop, sim::ERROR_ACCESS_DENIED));
    ASSERT_FALSE(text.empty());
    desktop.FailNextHookInstall(sim::ERROR_ACCESS_DENIED);
    ExpectAutomationError([&] { AttachHook(desktop, &a, host::WH_MOUSE); }, {kHookError, "Orders.v2.mHook", text});
    EXPECT_TRUE(desktop.Hooks().empty());
    EXPECT_EQ(LastTrace(), "");

    // No handle was kept: the next attach installs.
    AttachHook(desktop, &a, host::WH_MOUSE);
    EXPECT_EQ(InstalledHooks(host::WH_MOUSE), 1u);
    EXPECT_EQ(LastTrace(), "mWindowsHook: Number of attached: 1");
    DetachHook(desktop, &a, host::WH_MOUSE);
  });
}

TEST_F(HookErrorTest, WinErrorTextKeepsTheSystemsLineEnd) {
  desktop.ClearCallLog();
  const std::u16string text = mWindowsHook::WinErrorText(desktop, sim::ERROR_ACCESS_DENIED);
  EXPECT_EQ(desktop.CallLog(), std::vector<std::string>{"FormatMessageW(4608, 5, 0, 256)"});
  ASSERT_GE(text.size(), 2u);
  EXPECT_EQ(text.substr(text.size() - 2), u"\r\n");
}

TEST_F(HookErrorTest, WinErrorTextOfAnUnknownCodeIsEmpty) {
  EXPECT_EQ(mWindowsHook::WinErrorText(desktop, 0x7FFF1234u), u"");
}

}  // namespace
}  // namespace zelvane::hooks::testing
