#pragma once
#include <gtest/gtest.h>

#include <exception>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/utf.h"
#include "hooks/m_windows_hook_internal.h"
#include "host/sim/sim_desktop.h"

namespace zelvane::hooks::testing {

/// What the tail hook answers, so a test can tell whether the event went on down
/// the chain.
inline constexpr host::LResult kTailResult = 77;

/// Every test body runs on a thread of its own, whose hook tables start empty; the
/// desktop outlives those threads, so hooks a thread leaves behind are removed into it.
class HookServiceTest : public ::testing::Test {
 protected:
  static void OnFreshThread(const std::function<void()>& body) {
    std::thread thread([&body] {
      try {
        body();
      } catch (const std::exception& error) {
        ADD_FAILURE() << "unexpected exception: " << error.what();
      }
    });
    thread.join();
  }

  /// Installs a hook of the type below the service's, counting what reaches it.
  void InstallTailHook(int hookType) {
    desktop.SetWindowsHookExW(hookType, TailProc, 0, desktop.GetCurrentThreadId());
  }

  /// The procedure the system calls first for the type on this thread.
  host::HookProc HeadProcedure(int hookType) {
    const auto chain = desktop.HookChain(desktop.GetCurrentThreadId(), hookType);
    if (chain.empty()) return nullptr;
    for (const sim::HookRecord& hook : desktop.Hooks()) {
      if (hook.handle == chain.front()) return hook.proc;
    }
    return nullptr;
  }

  /// The hooks of the type installed for this thread.
  std::size_t InstalledHooks(int hookType) {
    return desktop.HookChain(desktop.GetCurrentThreadId(), hookType).size();
  }

  static std::string LastTrace() { return core::ToUtf8(mWindowsHook::LastTraceText()); }

  static int& TailCalls() {
    thread_local int calls = 0;
    return calls;
  }

  sim::SimDesktop desktop;
  std::vector<std::string> log;

 private:
  static host::LResult ZELVANE_CALLBACK TailProc(int, host::WParam, host::LParam) {
    ++TailCalls();
    return kTailResult;
  }
};

}  // namespace zelvane::hooks::testing
