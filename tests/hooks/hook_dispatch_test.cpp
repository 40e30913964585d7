#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <stdexcept>

#include "hook_test_fixture.h"
#include "hooks/m_windows_hook.h"
#include "recording_client.h"

namespace zelvane::hooks::testing {
namespace {

using mWindowsHook::AttachHook;
using mWindowsHook::DetachHook;

std::vector<std::string> Names(std::initializer_list<const char*> names) { return {names.begin(), names.end()}; }

TEST_F(HookServiceTest, ClientsAreCalledInRegistrationOrderWithTheSystemsArguments) {
  OnFreshThread([&] {
    std::vector<std::int32_t> codes;
    RecordingClient a("A", log), b("B", log), c("C", log, [&](std::int32_t nCode, host::WParam w, host::LParam, bool&) {
      codes.push_back(nCode);
      EXPECT_EQ(w, host::WM_MOUSEMOVE);
    });
    AttachHook(desktop, &a, host::WH_MOUSE);
    AttachHook(desktop, &b, host::WH_MOUSE);
    AttachHook(desktop, &c, host::WH_MOUSE);
    desktop.MouseMove({5, 5});
    EXPECT_EQ(log, Names({"A", "B", "C"}));
    EXPECT_EQ(codes, std::vector<std::int32_t>{0});
    for (auto* client : {&a, &b, &c}) DetachHook(desktop, client, host::WH_MOUSE);
  });
}

struct ConsumeCase {
  int type;
  std::optional<host::LResult> consumedResult;  // none: the event goes on down the chain
};

class HookConsumeTest : public HookServiceTest, public ::testing::WithParamInterface<ConsumeCase> {};

TEST_P(HookConsumeTest, AConsumedEventStopsLaterClientsAndEndsAsTheTypeRequires) {
  const ConsumeCase param = GetParam();
  OnFreshThread([&] {
    InstallTailHook(param.type);
    RecordingClient first("first", log, [](std::int32_t, host::WParam, host::LParam, bool& consume) {
      consume = true;
    });
    RecordingClient later("later", log);
    AttachHook(desktop, &first, param.type);
    AttachHook(desktop, &later, param.type);
    const host::HookProc procedure = HeadProcedure(param.type);
    ASSERT_NE(procedure, nullptr);

    const host::LResult result = procedure(0, 1, 2);
    EXPECT_EQ(log, Names({"first"}));
    EXPECT_EQ(result, param.consumedResult.value_or(kTailResult));
    EXPECT_EQ(TailCalls(), param.consumedResult ? 0 : 1);
    DetachHook(desktop, &first, param.type);
    DetachHook(desktop, &later, param.type);
  });
}

TEST_P(HookConsumeTest, AnEventNoClientConsumesReachesEveryClientAndGoesOnDownTheChain) {
  const ConsumeCase param = GetParam();
  OnFreshThread([&] {
    InstallTailHook(param.type);
    RecordingClient a("A", log), b("B", log);
    AttachHook(desktop, &a, param.type);
    AttachHook(desktop, &b, param.type);
    EXPECT_EQ(HeadProcedure(param.type)(0, 1, 2), kTailResult);
    EXPECT_EQ(log, Names({"A", "B"}));
    EXPECT_EQ(TailCalls(), 1);
    DetachHook(desktop, &a, param.type);
    DetachHook(desktop, &b, param.type);
  });
}

TEST_P(HookConsumeTest, ANegativeCodeReachesNoClient) {
  const ConsumeCase param = GetParam();
  OnFreshThread([&] {
    InstallTailHook(param.type);
    RecordingClient a("A", log, [](std::int32_t, host::WParam, host::LParam, bool& consume) { consume = true; });
    AttachHook(desktop, &a, param.type);
    EXPECT_EQ(HeadProcedure(param.type)(-1, 1, 2), kTailResult);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(TailCalls(), 1);
    DetachHook(desktop, &a, param.type);
  });
}

INSTANTIATE_TEST_SUITE_P(SupportedTypes, HookConsumeTest,
                         ::testing::Values(ConsumeCase{host::WH_MSGFILTER, 0}, ConsumeCase{host::WH_KEYBOARD, 1},
                                           ConsumeCase{host::WH_GETMESSAGE, std::nullopt},
                                           ConsumeCase{host::WH_CALLWNDPROC, 0}, ConsumeCase{host::WH_MOUSE, 1},
                                           ConsumeCase{host::WH_SHELL, std::nullopt},
                                           ConsumeCase{host::WH_FOREGROUNDIDLE, std::nullopt},
                                           ConsumeCase{host::WH_CALLWNDPROCRET, std::nullopt}));

TEST_F(HookServiceTest, AConsumedMouseMessageNeverReachesTheWindow) {
  OnFreshThread([&] {
    RecordingClient a("A", log, [](std::int32_t, host::WParam, host::LParam, bool& consume) { consume = true; });
    AttachHook(desktop, &a, host::WH_MOUSE);
    EXPECT_FALSE(desktop.MouseMove({5, 5}));
    DetachHook(desktop, &a, host::WH_MOUSE);
  });
}

TEST_F(HookServiceTest, TheLastClientLeavingDuringItsCallRemovesTheHookAndTheEventGoesOnWithHandleZero) {
  OnFreshThread([&] {
    InstallTailHook(host::WH_MOUSE);
    RecordingClient a("A", log);
    int heldDuringCall = 0;
    a.SetAction([&](std::int32_t, host::WParam, host::LParam, bool&) {
      DetachHook(desktop, &a, host::WH_MOUSE);
      heldDuringCall = a.References();
    });
    AttachHook(desktop, &a, host::WH_MOUSE);
    const host::HookProc procedure = HeadProcedure(host::WH_MOUSE);
    desktop.ClearCallLog();

    procedure(0, host::WM_MOUSEMOVE, 0);
    EXPECT_EQ(log, Names({"A"}));
    EXPECT_EQ(heldDuringCall, 1) << "a client that leaves is held until its call returns";
    EXPECT_EQ(a.References(), 0);
    EXPECT_EQ(InstalledHooks(host::WH_MOUSE), 1u);  // only the tail is left
    const std::vector<std::string>& calls = desktop.CallLog();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back().rfind("CallNextHookEx(0,", 0), 0u) << calls.back();
  });
}

TEST_F(HookServiceTest, ASlotFreedDuringTheWalkIsSkipped) {
  OnFreshThread([&] {
    RecordingClient b("B", log);
    RecordingClient a("A", log, [&](std::int32_t, host::WParam, host::LParam, bool&) {
      DetachHook(desktop, &b, host::WH_MOUSE);
    });
    AttachHook(desktop, &a, host::WH_MOUSE);
    AttachHook(desktop, &b, host::WH_MOUSE);
    desktop.MouseMove({5, 5});
    EXPECT_EQ(log, Names({"A"}));
    DetachHook(desktop, &a, host::WH_MOUSE);
  });
}

TEST_F(HookServiceTest, AClientRegisteredDuringTheWalkIsCalledFromTheNextEventOn) {
  OnFreshThread([&] {
    // Enough newcomers that the table must move while A is running.
    std::vector<std::unique_ptr<RecordingClient>> newcomers;
    RecordingClient a("A", log, [&](std::int32_t, host::WParam, host::LParam, bool&) {
      if (!newcomers.empty()) return;
      for (int i = 0; i < 40; ++i) {
        newcomers.push_back(std::make_unique<RecordingClient>("new" + std::to_string(i), log));
        AttachHook(desktop, newcomers.back().get(), host::WH_MOUSE);
      }
    });
    AttachHook(desktop, &a, host::WH_MOUSE);
    desktop.MouseMove({5, 5});
    EXPECT_EQ(log, Names({"A"}));
    log.clear();
    desktop.MouseMove({6, 6});
    ASSERT_EQ(log.size(), 41u);
    EXPECT_EQ(log[1], "new0");
    EXPECT_EQ(log[40], "new39");
    DetachHook(desktop, &a, host::WH_MOUSE);
    for (auto& client : newcomers) DetachHook(desktop, client.get(), host::WH_MOUSE);
    EXPECT_EQ(InstalledHooks(host::WH_MOUSE), 0u);
  });
}

TEST_F(HookServiceTest, AThrowingClientEndsTheDispatchButNeverTheSystemsHookCall) {
  OnFreshThread([&] {
    InstallTailHook(host::WH_MOUSE);
    RecordingClient thrower("thrower", log, [](std::int32_t, host::WParam, host::LParam, bool& consume) {
      consume = true;
      throw std::runtime_error("client failed");
    });
    RecordingClient later("later", log);
    AttachHook(desktop, &thrower, host::WH_MOUSE);
    AttachHook(desktop, &later, host::WH_MOUSE);

    EXPECT_EQ(HeadProcedure(host::WH_MOUSE)(0, host::WM_MOUSEMOVE, 0), kTailResult);
    EXPECT_EQ(log, Names({"thrower"}));
    EXPECT_EQ(TailCalls(), 1);
    // The type stays current until the next dispatch resets it.
    EXPECT_EQ(mWindowsHook::CurrentHookType(), host::WH_MOUSE);

    DetachHook(desktop, &thrower, host::WH_MOUSE);
    desktop.MouseMove({5, 5});
    EXPECT_EQ(log, Names({"thrower", "later"}));
    EXPECT_EQ(mWindowsHook::CurrentHookType(), 0);
    DetachHook(desktop, &later, host::WH_MOUSE);
  });
}

TEST_F(HookServiceTest, CurrentHookTypeNamesTheTypeOnlyWhileItsClientRuns) {
  OnFreshThread([&] {
    std::vector<std::int32_t> seen;
    RecordingClient keyboard("keyboard", log, [&](std::int32_t, host::WParam, host::LParam, bool&) {
      seen.push_back(mWindowsHook::CurrentHookType());
    });
    RecordingClient mouse("mouse", log, [&](std::int32_t, host::WParam, host::LParam lParam, bool&) {
      seen.push_back(mWindowsHook::CurrentHookType());
      EXPECT_NE(mWindowsHook::GetMouselParam(lParam), nullptr);
      // A dispatch of another type inside this call leaves no type current.
      desktop.KeyDown('A');
      seen.push_back(mWindowsHook::CurrentHookType());
      EXPECT_EQ(mWindowsHook::GetMouselParam(lParam), nullptr);
    });
    AttachHook(desktop, &mouse, host::WH_MOUSE);
    AttachHook(desktop, &keyboard, host::WH_KEYBOARD);
    EXPECT_EQ(mWindowsHook::CurrentHookType(), 0);
    desktop.MouseMove({5, 5});
    EXPECT_EQ(seen, (std::vector<std::int32_t>{host::WH_MOUSE, host::WH_KEYBOARD, 0}));
    EXPECT_EQ(mWindowsHook::CurrentHookType(), 0);
    DetachHook(desktop, &mouse, host::WH_MOUSE);
    DetachHook(desktop, &keyboard, host::WH_KEYBOARD);
  });
}

TEST_F(HookServiceTest, GetMouselParamAnswersNoneOutsideAMouseDispatch) {
  OnFreshThread([&] {
    const host::MouseHookStruct record{{1, 2}, 3, 4, 5};
    const auto address = reinterpret_cast<host::LParam>(&record);
    EXPECT_EQ(mWindowsHook::GetMouselParam(address), nullptr);
    bool asked = false;
    RecordingClient keyboard("keyboard", log, [&](std::int32_t, host::WParam, host::LParam, bool&) {
      asked = true;
      EXPECT_EQ(mWindowsHook::GetMouselParam(address), nullptr);
    });
    AttachHook(desktop, &keyboard, host::WH_KEYBOARD);
    desktop.KeyDown('A');
    EXPECT_TRUE(asked);
    DetachHook(desktop, &keyboard, host::WH_KEYBOARD);
  });
}

}  // namespace
}  // namespace zelvane::hooks::testing
