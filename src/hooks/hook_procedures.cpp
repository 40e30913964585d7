#include "hooks/hook_procedures.h"

#include <optional>

#include "hooks/hook_thread_state.h"
#include "hooks/m_windows_hook_internal.h"

namespace zelvane::hooks {
namespace {

using host::LParam;
using host::LResult;
using host::WParam;

/// What every procedure does; consumedResult is what a consumed event returns at
/// once, or nothing for types whose events go on down the chain regardless.
LResult RunHookProcedure(std::int32_t hookType, std::optional<LResult> consumedResult, int nCode, WParam wParam,
                         LParam lParam) noexcept {
  ThreadHooks& hooks = ThisThreadHooks();
  host::WindowSystem* const windows = hooks.Hook(hookType).windows;
  if (windows == nullptr) return 0;
  bool consumed = false;
  if (nCode >= 0) {
    try {
      consumed = mWindowsHook::DispatchHook(hookType, nCode, wParam, lParam) == 1;
    } catch (...) {
      // The system's hook call must never see an exception. The failing client ended
      // the dispatch; the event goes on down the chain so the thread's input works.
    }
  }
  if (consumed && consumedResult) return *consumedResult;
  try {
    // Read now: a client may just have removed the type's hook, leaving 0.
    return windows->CallNextHookEx(hooks.Hook(hookType).handle, nCode, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

LResult ZELVANE_CALLBACK MsgFilterProc(int nCode, WParam wParam, LParam lParam) {
  return RunHookProcedure(host::WH_MSGFILTER, 0, nCode, wParam, lParam);
}
LResult ZELVANE_CALLBACK KeyboardProc(int nCode, WParam wParam, LParam lParam) {
  return RunHookProcedure(host::WH_KEYBOARD, 1, nCode, wParam, lParam);
}
LResult ZELVANE_CALLBACK GetMessageProc(int nCode, WParam wParam, LParam lParam) {
  return RunHookProcedure(host::WH_GETMESSAGE, std::nullopt, nCode, wParam, lParam);
}
LResult ZELVANE_CALLBACK CallWndProc(int nCode, WParam wParam, LParam lParam) {
  return RunHookProcedure(host::WH_CALLWNDPROC, 0, nCode, wParam, lParam);
}
LResult ZELVANE_CALLBACK MouseProc(int nCode, WParam wParam, LParam lParam) {
  return RunHookProcedure(host::WH_MOUSE, 1, nCode, wParam, lParam);
}
LResult ZELVANE_CALLBACK ShellProc(int nCode, WParam wParam, LParam lParam) {
  return RunHookProcedure(host::WH_SHELL, std::nullopt, nCode, wParam, lParam);
}
LResult ZELVANE_CALLBACK ForegroundIdleProc(int nCode, WParam wParam, LParam lParam) {
  return RunHookProcedure(host::WH_FOREGROUNDIDLE, std::nullopt, nCode, wParam, lParam);
}
LResult ZELVANE_CALLBACK CallWndRetProc(int nCode, WParam wParam, LParam lParam) {
  return RunHookProcedure(host::WH_CALLWNDPROCRET, std::nullopt, nCode, wParam, lParam);
}

}  // namespace

host::HookProc HookProcedureFor(std::int32_t hookType) {
  switch (hookType) {
    case host::WH_MSGFILTER: return MsgFilterProc;
    case host::WH_KEYBOARD: return KeyboardProc;
    case host::WH_GETMESSAGE: return GetMessageProc;
    case host::WH_CALLWNDPROC: return CallWndProc;
    case host::WH_MOUSE: return MouseProc;
    case host::WH_SHELL: return ShellProc;
    case host::WH_FOREGROUNDIDLE: return ForegroundIdleProc;
    case host::WH_CALLWNDPROCRET: return CallWndRetProc;
    default: return nullptr;
  }
}

}  // namespace zelvane::hooks
