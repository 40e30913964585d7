#pragma once
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "host/win_types.h"

namespace zelvane::sim {

/// One installed hook.
struct HookRecord {
  host::HHook handle = 0;
  int idHook = 0;
  host::HookProc proc = nullptr;
  std::uintptr_t hmod = 0;
  std::uint32_t threadId = 0;  // 0 for a global hook (needs a module)
};

/// Hook chains keyed by thread and hook type. A thread's chain runs its own
/// hooks, newest first, then the global hooks of the type. Not locked;
/// SimDesktop guards it.
class SimHookTable {
 public:
  /// Puts the hook at the head of its chain and returns its handle.
  host::HHook Install(int idHook, host::HookProc proc, std::uintptr_t hmod, std::uint32_t threadId);
  bool Remove(host::HHook handle);
  /// The first hook a message of the type on the thread reaches, null if none.
  const HookRecord* First(std::uint32_t threadId, int idHook) const;
  /// The hook after `handle` in the chain of `threadId`, null at the end or for
  /// an unknown handle.
  const HookRecord* Next(host::HHook handle, std::uint32_t threadId) const;
  std::vector<HookRecord> All() const;
  std::vector<host::HHook> Chain(std::uint32_t threadId, int idHook) const;

 private:
  using Key = std::pair<std::uint32_t, int>;  // thread, type
  const HookRecord* Head(const Key& key) const;

  std::map<Key, std::vector<HookRecord>> chains_;  // each head first
  host::HHook nextHandle_ = 0x30001;
};

}  // namespace zelvane::sim
