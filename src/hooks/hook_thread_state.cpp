#include "hooks/hook_thread_state.h"

namespace zelvane::hooks {

ThreadHooks::~ThreadHooks() {
  for (InstalledHook& hook : HookHandles) {
    if (hook.handle == 0) continue;
    try {
      hook.windows->UnhookWindowsHookEx(hook.handle);
    } catch (...) {
      // A thread that is ending has no one to tell; the other hooks still go.
    }
    hook.handle = 0;
  }
}

ThreadHooks& ThisThreadHooks() {
  thread_local ThreadHooks hooks;
  return hooks;
}

}  // namespace zelvane::hooks
