#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "host/sim/sim_desktop.h"
#include "host/sim/sim_messages.h"
#include "sim_test_windows.h"

namespace zelvane::sim {
namespace {

using testing::LoggingWindow;

// Hook procedures are plain functions, so they reach the test through these.
struct Probe {
  static inline SimDesktop* desktop = nullptr;
  static inline std::vector<std::string>* log = nullptr;
  static inline host::HHook first = 0;
  static inline host::HHook second = 0;
  static inline std::uint32_t consume = 0;   // message the first hook eats
  static inline bool hideTarget = false;     // the first hook hides the window it is told of
};

std::string Hex(host::WParam value) {
  char text[16];
  std::snprintf(text, sizeof text, "%03x", static_cast<unsigned>(value));
  return text;
}

host::LResult ZELVANE_CALLBACK FirstMouseHook(int nCode, host::WParam wParam, host::LParam lParam) {
  const auto* record = reinterpret_cast<const host::MouseHookStruct*>(lParam);
  Probe::log->push_back("first " + Hex(wParam) + " ht" + std::to_string(record->wHitTestCode) + " at " +
                        std::to_string(record->pt.x) + "," + std::to_string(record->pt.y));
  if (Probe::hideTarget) Probe::desktop->ShowWindow(record->hwnd, false);
  if (wParam == Probe::consume) return 1;
  return Probe::desktop->CallNextHookEx(Probe::first, nCode, wParam, lParam);
}

host::LResult ZELVANE_CALLBACK SecondMouseHook(int nCode, host::WParam wParam, host::LParam lParam) {
  Probe::log->push_back("second " + Hex(wParam));
  return Probe::desktop->CallNextHookEx(Probe::second, nCode, wParam, lParam);
}

host::LResult ZELVANE_CALLBACK SelfRemovingHook(int nCode, host::WParam wParam, host::LParam lParam) {
  Probe::log->push_back("removing " + Hex(wParam));
  Probe::desktop->UnhookWindowsHookEx(Probe::second);
  return Probe::desktop->CallNextHookEx(Probe::second, nCode, wParam, lParam);
}

host::LResult ZELVANE_CALLBACK KeyboardHook(int nCode, host::WParam wParam, host::LParam lParam) {
  const bool up = (static_cast<std::uint32_t>(lParam) & 0x80000000u) != 0;
  Probe::log->push_back(std::string("kbd ") + (up ? "up " : "down ") + std::to_string(wParam));
  if (wParam == Probe::consume) return 1;
  return Probe::desktop->CallNextHookEx(Probe::first, nCode, wParam, lParam);
}

class HookTest : public ::testing::Test {
 protected:
  HookTest() {
    Probe::desktop = &desktop;
    Probe::log = &log;
    Probe::consume = 0;
    Probe::hideTarget = false;
    hwnd = desktop.CreateWindow(u"Test", 0, WS_VISIBLE, 0, {100, 100, 200, 200}, &window);
  }

  host::HHook Install(int type, host::HookProc proc) {
    return desktop.SetWindowsHookExW(type, proc, 0, desktop.GetCurrentThreadId());
  }

  SimDesktop desktop;
  std::vector<std::string> log;
  LoggingWindow window{log, "w"};
  host::Hwnd hwnd = 0;
};

TEST_F(HookTest, TheMouseHookSeesEachMessageBeforeTheWindowWithItsRecord) {
  Probe::first = Install(host::WH_MOUSE, FirstMouseHook);
  desktop.Click({110, 120});
  EXPECT_EQ(log, (std::vector<std::string>{"first 201 ht1 at 110,120", "w 201 10,20 b1", "first 202 ht1 at 110,120",
                                           "w 202 10,20 b1"}));
}

TEST_F(HookTest, AConsumedMessageNeverReachesTheWindowAndTakesNoCapture) {
  Probe::first = Install(host::WH_MOUSE, FirstMouseHook);
  Probe::consume = host::WM_LBUTTONDOWN;
  EXPECT_FALSE(desktop.MouseDown({110, 120}));
  EXPECT_EQ(desktop.GetCapture(), 0u);
  EXPECT_EQ(log, (std::vector<std::string>{"first 201 ht1 at 110,120"}));
}

TEST_F(HookTest, ATargetHiddenByAHookDoesNotGetTheMessage) {
  Probe::first = Install(host::WH_MOUSE, FirstMouseHook);
  Probe::hideTarget = true;
  EXPECT_FALSE(desktop.MouseDown({110, 120}));
  EXPECT_EQ(log, (std::vector<std::string>{"first 201 ht1 at 110,120"}));
}

TEST_F(HookTest, ANewHookRunsFirstAndCallNextHookExWalksDownTheChain) {
  Probe::first = Install(host::WH_MOUSE, FirstMouseHook);
  Probe::second = Install(host::WH_MOUSE, SecondMouseHook);
  EXPECT_EQ(desktop.HookChain(desktop.GetCurrentThreadId(), host::WH_MOUSE),
            (std::vector<host::HHook>{Probe::second, Probe::first}));
  desktop.MouseMove({150, 150});
  EXPECT_EQ(log, (std::vector<std::string>{"second 200", "first 200 ht1 at 150,150", "w 200 50,50 b0"}));
  EXPECT_EQ(desktop.CallNextHookEx(Probe::first, 0, 0, 0), 0) << "end of the chain";
  EXPECT_EQ(desktop.CallNextHookEx(0, 0, 0, 0), 0);
}

TEST_F(HookTest, AHookCanRemoveItselfWhileItRuns) {
  Probe::first = Install(host::WH_MOUSE, FirstMouseHook);
  Probe::second = Install(host::WH_MOUSE, SelfRemovingHook);
  desktop.MouseMove({150, 150});
  desktop.MouseMove({151, 150});
  // The removed handle no longer leads anywhere, so the first call stops there.
  EXPECT_EQ(log, (std::vector<std::string>{"removing 200", "w 200 50,50 b0", "first 200 ht1 at 151,150",
                                           "w 200 51,50 b0"}));
  EXPECT_FALSE(desktop.UnhookWindowsHookEx(Probe::second));
  EXPECT_EQ(desktop.GetLastError(), ERROR_INVALID_HOOK_HANDLE);
  EXPECT_EQ(desktop.HookInstallCount(), 2);
  EXPECT_EQ(desktop.HookRemoveCount(), 1);
}

TEST_F(HookTest, KeyboardHooksSeeKeysAndCanEatThemWithTheirCharacters) {
  Probe::first = Install(host::WH_KEYBOARD, KeyboardHook);
  desktop.SetFocus(hwnd);
  log.clear();
  Probe::consume = 'B';
  desktop.Type(u"ab");
  EXPECT_EQ(log, (std::vector<std::string>{"kbd down 65", "w down 65", "w char 97", "kbd up 65", "w up 65",
                                           "kbd down 66", "kbd up 66"}));
}

// What one thread of the per-thread test saw.
thread_local int threadHookCalls = 0;
host::LResult ZELVANE_CALLBACK CountingHook(int, host::WParam, host::LParam) {
  ++threadHookCalls;
  return 0;
}

TEST_F(HookTest, EachThreadRunsOnlyItsOwnChain) {
  std::atomic<int> ready{0};
  int seen[2] = {0, 0};
  std::uint32_t ids[2] = {0, 0};
  const auto body = [&](int index) {
    ids[index] = desktop.GetCurrentThreadId();
    ASSERT_NE(desktop.SetWindowsHookExW(host::WH_MOUSE, CountingHook, 0, ids[index]), 0u);
    ++ready;
    while (ready.load() < 2) std::this_thread::yield();
    for (int i = 0; i <= index; ++i) desktop.MouseMove({10, 10});
    seen[index] = threadHookCalls;
    EXPECT_EQ(desktop.GetCurrentThreadId(), ids[index]) << "stable per thread";
  };
  std::thread a(body, 0);
  std::thread b(body, 1);
  a.join();
  b.join();
  EXPECT_EQ(seen[0], 1);
  EXPECT_EQ(seen[1], 2);
  EXPECT_NE(ids[0], ids[1]);
  desktop.MouseMove({10, 10});
  EXPECT_EQ(threadHookCalls, 0) << "this thread installed no hook";
}

TEST_F(HookTest, LastErrorBelongsToTheThreadThatCausedIt) {
  desktop.SetLastError(ERROR_ACCESS_DENIED);
  std::uint32_t other = 99;
  std::thread([&] { other = desktop.GetLastError(); }).join();
  EXPECT_EQ(other, 0u);
  EXPECT_EQ(desktop.GetLastError(), ERROR_ACCESS_DENIED);
}

struct InstallCase {
  const char* name;
  int idHook;
  bool withProc;
  std::uintptr_t hmod;
  int thread;  // 0 global, 1 the calling thread, 2 a thread that does not exist
  std::uint32_t error;
};

class HookInstallErrorTest : public HookTest, public ::testing::WithParamInterface<InstallCase> {};

TEST_P(HookInstallErrorTest, FailsWithTheSystemsErrorCode) {
  const InstallCase& c = GetParam();
  const std::uint32_t thread = c.thread == 0 ? 0 : c.thread == 1 ? desktop.GetCurrentThreadId() : 4242;
  EXPECT_EQ(desktop.SetWindowsHookExW(c.idHook, c.withProc ? CountingHook : nullptr, c.hmod, thread), 0u);
  EXPECT_EQ(desktop.GetLastError(), c.error);
  EXPECT_TRUE(desktop.Hooks().empty());
}

INSTANTIATE_TEST_SUITE_P(Cases, HookInstallErrorTest,
                         ::testing::Values(InstallCase{"TypeAboveRange", 15, true, 0, 1, ERROR_INVALID_HOOK_FILTER},
                                           InstallCase{"TypeBelowRange", -2, true, 0, 1, ERROR_INVALID_HOOK_FILTER},
                                           InstallCase{"NoProcedure", host::WH_MOUSE, false, 0, 1,
                                                       ERROR_INVALID_FILTER_PROC},
                                           InstallCase{"GlobalWithoutModule", host::WH_MOUSE, true, 0, 0,
                                                       ERROR_HOOK_NEEDS_HMOD},
                                           InstallCase{"UnknownThread", host::WH_MOUSE, true, 0, 2,
                                                       ERROR_INVALID_PARAMETER}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HookTest, FailNextHookInstallFailsExactlyOnce) {
  desktop.FailNextHookInstall(ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_EQ(Install(host::WH_MOUSE, CountingHook), 0u);
  EXPECT_EQ(desktop.GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
  EXPECT_NE(Install(host::WH_MOUSE, CountingHook), 0u);
}

TEST_F(HookTest, AGlobalHookWithAModuleRunsAfterTheThreadsOwnHooks) {
  Probe::first = desktop.SetWindowsHookExW(host::WH_MOUSE, FirstMouseHook, 0x400000, 0);
  Probe::second = Install(host::WH_MOUSE, SecondMouseHook);
  desktop.MouseMove({150, 150});
  EXPECT_EQ(log, (std::vector<std::string>{"second 200", "first 200 ht1 at 150,150", "w 200 50,50 b0"}));
}

struct TextCase {
  std::uint32_t code;
  std::u16string text;
};

class FormatMessageTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(FormatMessageTest, WritesTheSystemTextWithItsLineEnd) {
  SimDesktop desktop;
  char16_t buffer[256] = {};
  const std::uint32_t n = desktop.FormatMessageW(0x1200, GetParam().code, 0, buffer, 256);
  EXPECT_EQ(std::u16string(buffer, n), GetParam().text);
  EXPECT_EQ(buffer[n], u'\0');
}

INSTANTIATE_TEST_SUITE_P(Texts, FormatMessageTest,
                         ::testing::Values(TextCase{5, u"Access is denied.\r\n"},
                                           TextCase{8,
                                                    u"Not enough memory resources are available to process this "
                                                    u"command.\r\n"},
                                           TextCase{1428, u"Cannot set nonlocal hook without a module handle.\r\n"}));

TEST(FormatMessage, FailsForUnknownCodesSmallBuffersAndOtherSources) {
  SimDesktop desktop;
  char16_t buffer[256] = {};
  EXPECT_EQ(desktop.FormatMessageW(0x1200, 123456, 0, buffer, 256), 0u);
  EXPECT_EQ(desktop.GetLastError(), ERROR_MR_MID_NOT_FOUND);
  EXPECT_EQ(desktop.FormatMessageW(0x1200, 5, 0, buffer, 19), 0u) << "no room for the NUL";
  EXPECT_EQ(desktop.GetLastError(), ERROR_INSUFFICIENT_BUFFER);
  EXPECT_EQ(desktop.FormatMessageW(0x1200, 5, 0, buffer, 20), 19u);
  EXPECT_EQ(desktop.FormatMessageW(0x200, 5, 0, buffer, 256), 0u);
}

}  // namespace
}  // namespace zelvane::sim
