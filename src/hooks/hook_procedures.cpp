#include "hooks/hook_procedures.h"

#include "hooks/hook_thread_state.h"
#include "hooks/m_windows_hook_internal.h"

namespace zelvane::hooks {
namespace {

using host::LParam;
using host::LResult;
using host::WParam;

/// What a hook procedure does with an event a client consumed.
enum class OnConsumed {
  Return0,  // ends it there, answering 0
  Return1,  // ends it there, answering 1
  PassOn,   // only later clients are skipped; it still goes on down the chain
};

LResult RunHookProcedure(std::int32_t hookType, OnConsumed onConsumed, int nCode, WParam wParam,
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
  if (consumed && onConsumed != OnConsumed::PassOn) return onConsumed == OnConsumed::Return1 ? 1 : 0;
  try {
    // Read now: a client may just have removed the type's hook, leaving 0.
    return windows->CallNextHookEx(hooks.Hook(hookType).handle, nCode, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

/// One procedure per hook type, in the form the system calls.
template <std::int32_t HookType, OnConsumed Rule>
LResult ZELVANE_CALLBACK HookProcedure(int nCode, WParam wParam, LParam lParam) {
  return RunHookProcedure(HookType, Rule, nCode, wParam, lParam);
}

}  // namespace

host::HookProc HookProcedureFor(std::int32_t hookType) {
  switch (hookType) {
    case host::WH_MSGFILTER: return HookProcedure<host::WH_MSGFILTER, OnConsumed::Return0>;
    case host::WH_KEYBOARD: return HookProcedure<host::WH_KEYBOARD, OnConsumed::Return1>;
    case host::WH_GETMESSAGE: return HookProcedure<host::WH_GETMESSAGE, OnConsumed::PassOn>;
    case host::WH_CALLWNDPROC: return HookProcedure<host::WH_CALLWNDPROC, OnConsumed::Return0>;
    case host::WH_MOUSE: return HookProcedure<host::WH_MOUSE, OnConsumed::Return1>;
    case host::WH_SHELL: return HookProcedure<host::WH_SHELL, OnConsumed::PassOn>;
    case host::WH_FOREGROUNDIDLE: return HookProcedure<host::WH_FOREGROUNDIDLE, OnConsumed::PassOn>;
    case host::WH_CALLWNDPROCRET: return HookProcedure<host::WH_CALLWNDPROCRET, OnConsumed::PassOn>;
    default: return nullptr;
  }
}

}  // namespace zelvane::hooks
