#include "hooks/hook_thread_state.h"

#include <pthread.h>

#include <memory>
#include <system_error>

namespace zelvane::hooks {
namespace {

// The tables live on the heap, and a thread-specific key hands them back when their
// thread ends. A thread_local object would not do: where thread-local storage is
// emulated (MinGW), that storage is freed before thread_local destructors run, so
// they would unhook through freed memory.
void DestroyTables(void* tables) { delete static_cast<ThreadHooks*>(tables); }

void ThrowOnError(int error) {
  if (error != 0) throw std::system_error(error, std::generic_category(), "thread hook tables");
}

pthread_key_t TablesKey() {
  static const pthread_key_t key = [] {
    pthread_key_t created{};
    ThrowOnError(pthread_key_create(&created, DestroyTables));
    return created;
  }();
  return key;
}

}  // namespace

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
  const pthread_key_t key = TablesKey();
  if (auto* tables = static_cast<ThreadHooks*>(pthread_getspecific(key))) return *tables;
  auto tables = std::make_unique<ThreadHooks>();
  ThrowOnError(pthread_setspecific(key, tables.get()));
  return *tables.release();
}

}  // namespace zelvane::hooks
