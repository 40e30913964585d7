#include "host/sim/sim_hook_table.h"

#include <algorithm>

namespace zelvane::sim {

host::HHook SimHookTable::Install(int idHook, host::HookProc proc, std::uintptr_t hmod, std::uint32_t threadId) {
  const host::HHook handle = nextHandle_;
  nextHandle_ += 4;
  auto& chain = chains_[{threadId, idHook}];
  chain.insert(chain.begin(), HookRecord{handle, idHook, proc, hmod, threadId});
  return handle;
}

bool SimHookTable::Remove(host::HHook handle) {
  for (auto& [key, chain] : chains_) {
    const auto it = std::find_if(chain.begin(), chain.end(), [&](const HookRecord& h) { return h.handle == handle; });
    if (it != chain.end()) {
      chain.erase(it);
      return true;
    }
  }
  return false;
}

const HookRecord* SimHookTable::Head(const Key& key) const {
  const auto it = chains_.find(key);
  return (it == chains_.end() || it->second.empty()) ? nullptr : &it->second.front();
}

const HookRecord* SimHookTable::First(std::uint32_t threadId, int idHook) const {
  if (const auto* own = Head({threadId, idHook})) return own;
  return Head({0, idHook});
}

const HookRecord* SimHookTable::Next(host::HHook handle, std::uint32_t threadId) const {
  for (const auto& [key, chain] : chains_) {
    const auto it = std::find_if(chain.begin(), chain.end(), [&](const HookRecord& h) { return h.handle == handle; });
    if (it == chain.end()) continue;
    if (std::next(it) != chain.end()) return &*std::next(it);
    // A thread's own hooks are followed by the global ones of the type.
    return key.first == threadId && threadId != 0 ? Head({0, key.second}) : nullptr;
  }
  return nullptr;
}

std::vector<HookRecord> SimHookTable::All() const {
  std::vector<HookRecord> all;
  for (const auto& [key, chain] : chains_) all.insert(all.end(), chain.begin(), chain.end());
  return all;
}

std::vector<host::HHook> SimHookTable::Chain(std::uint32_t threadId, int idHook) const {
  std::vector<host::HHook> handles;
  for (const auto* hook = First(threadId, idHook); hook != nullptr; hook = Next(hook->handle, threadId)) {
    handles.push_back(hook->handle);
  }
  return handles;
}

}  // namespace zelvane::sim
