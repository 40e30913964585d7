#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "hooks/i_windows_hook.h"
#include "host/win_types.h"
#include "host/window_system.h"

namespace zelvane::hooks {

inline constexpr std::int32_t kFirstHookType = host::WH_MSGFILTER;
inline constexpr std::int32_t kLastHookType = host::WH_MOUSE_LL;
/// The hook type a freed slot holds: it matches no type.
inline constexpr std::int32_t kFreeSlotType = -2;

inline bool IsHookTypeInRange(std::int32_t hookType) {
  return hookType >= kFirstHookType && hookType <= kLastHookType;
}

/// One registration. The client pointer is its identity, not an ownership.
struct HookClient {
  IWindowsHook* Client = nullptr;  // nullptr marks a free slot
  std::int32_t HookType = kFreeSlotType;
};

/// The thread's hook of one type and the window system that installed it.
struct InstalledHook {
  host::HHook handle = 0;                  // 0: not installed
  host::WindowSystem* windows = nullptr;   // kept after unhooking: a running dispatch still needs it
};

/// Everything the hook service knows, once per thread. Whatever is still hooked
/// when the thread ends is unhooked then, so no hook outlives its thread's tables.
class ThreadHooks {
 public:
  ThreadHooks() = default;
  ThreadHooks(const ThreadHooks&) = delete;
  ThreadHooks& operator=(const ThreadHooks&) = delete;
  ~ThreadHooks();

  /// The entry of a type that lies in the range; callers check the range first.
  InstalledHook& Hook(std::int32_t hookType) { return HookHandles[static_cast<std::size_t>(hookType - kFirstHookType)]; }

  std::array<InstalledHook, kLastHookType - kFirstHookType + 1> HookHandles{};
  std::vector<HookClient> HookClients;  // grows by one slot at a time, never shrinks
  std::int32_t CurrentHookType = 0;     // the type being dispatched, 0 otherwise
  std::u16string lastTrace;             // the latest trace text, kept only to be inspected
};

/// The calling thread's tables, empty on its first use; std::system_error when the
/// thread cannot be given any.
ThreadHooks& ThisThreadHooks();

}  // namespace zelvane::hooks
