#include "hooks/m_windows_hook.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "hooks/hook_errors.h"
#include "hooks/hook_procedures.h"
#include "hooks/hook_thread_state.h"
#include "hooks/m_windows_hook_internal.h"

namespace zelvane::hooks::mWindowsHook {
namespace {

void InstallHook(host::WindowSystem& windows, std::int32_t hookType, InstalledHook& hook) {
  const host::HookProc procedure = HookProcedureFor(hookType);
  if (procedure == nullptr) RaiseUnsupportedHookType(windows);
  const host::HHook handle = windows.SetWindowsHookExW(hookType, procedure, 0, windows.GetCurrentThreadId());
  // Read at once: any later call may overwrite the thread's last error.
  if (handle == 0) RaiseHookInstallFailed(windows, windows.GetLastError());
  hook = InstalledHook{handle, &windows};
}

/// Stores the registration unless it exists, in the first free slot or a new one.
void Register(std::vector<HookClient>& slots, IWindowsHook* client, std::int32_t hookType) {
  HookClient* freeSlot = nullptr;
  for (HookClient& slot : slots) {
    if (slot.HookType == hookType && slot.Client == client) return;
    if (slot.Client == nullptr && freeSlot == nullptr) freeSlot = &slot;
  }
  if (freeSlot == nullptr) freeSlot = &slots.emplace_back();
  *freeSlot = HookClient{client, hookType};
}

/// A counted reference on a client for the length of one call.
class ClientReference {
 public:
  explicit ClientReference(IWindowsHook& client) noexcept : client_(client) { client_.AddRef(); }
  ~ClientReference() { client_.Release(); }
  ClientReference(const ClientReference&) = delete;
  ClientReference& operator=(const ClientReference&) = delete;

 private:
  IWindowsHook& client_;
};

std::u16string Decimal(std::size_t value) {
  const std::string digits = std::to_string(value);
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace

bool AttachHook(host::WindowSystem& windows, IWindowsHook* client, std::int32_t hookType) {
  if (!IsHookTypeInRange(hookType)) RaiseHookTypeOutOfRange(windows);
  ThreadHooks& hooks = ThisThreadHooks();
  InstalledHook& hook = hooks.Hook(hookType);
  if (hook.handle == 0) InstallHook(windows, hookType, hook);
  Register(hooks.HookClients, client, hookType);
  DebugTrace(u"mWindowsHook: Number of attached: " + Decimal(hooks.HookClients.size()));
  return true;
}

void DetachHook(host::WindowSystem& windows, IWindowsHook* client, std::int32_t hookType) {
  ThreadHooks& hooks = ThisThreadHooks();
  std::size_t remaining = 0;
  for (HookClient& slot : hooks.HookClients) {
    if (slot.HookType != hookType) continue;
    if (slot.Client == client) {
      slot = HookClient{};
    } else if (slot.Client != nullptr) {
      ++remaining;
    }
  }
  if (remaining != 0) return;
  // No slot ever holds a type outside the range, so such a type always ends here.
  if (!IsHookTypeInRange(hookType)) RaiseHookTypeOutOfRange(windows);
  InstalledHook& hook = hooks.Hook(hookType);
  if (hook.handle == 0) return;
  hook.windows->UnhookWindowsHookEx(hook.handle);
  hook.handle = 0;
}

std::int32_t DispatchHook(std::int32_t hookType, std::int32_t nCode, host::WParam wParam, host::LParam lParam) {
  ThreadHooks& hooks = ThisThreadHooks();
  bool consume = false;
  // Slots added by a client during the walk lie beyond this size and are not visited.
  const std::size_t size = hooks.HookClients.size();
  for (std::size_t index = 0; index < size; ++index) {
    // Indexed afresh each time: a client that registers may grow (move) the table.
    const HookClient slot = hooks.HookClients[index];
    if (slot.Client == nullptr || slot.HookType != hookType) continue;
    // The table holds no reference on its clients, but a client is held through its
    // own call: it may be let go of inside it, and goes once it has returned.
    const ClientReference held(*slot.Client);
    hooks.CurrentHookType = hookType;
    slot.Client->HookProc(nCode, wParam, lParam, consume);
    hooks.CurrentHookType = 0;
    if (consume) return 1;
  }
  return 0;
}

std::unique_ptr<cMouselParam> GetMouselParam(host::LParam lParam) {
  ThreadHooks& hooks = ThisThreadHooks();
  if (hooks.CurrentHookType != host::WH_MOUSE) return nullptr;
  auto record = std::make_unique<cMouselParam>(*hooks.Hook(host::WH_MOUSE).windows);
  record->Init(lParam);
  return record;
}

std::optional<host::CwpStruct> GetCallWndProcRecord(host::LParam lParam) {
  if (ThisThreadHooks().CurrentHookType != host::WH_CALLWNDPROC) return std::nullopt;
  host::CwpStruct record;
  std::memcpy(&record, reinterpret_cast<const void*>(lParam), sizeof(record));
  return record;
}

std::int32_t CurrentHookType() { return ThisThreadHooks().CurrentHookType; }

std::u16string WinErrorText(host::WindowSystem& windows, std::uint32_t code) {
  std::array<char16_t, 256> buffer{};
  const std::uint32_t length =
      windows.FormatMessageW(host::FORMAT_MESSAGE_FROM_SYSTEM | host::FORMAT_MESSAGE_IGNORE_INSERTS, code, 0,
                             buffer.data(), static_cast<std::uint32_t>(buffer.size()));
  if (length == 0) return {};
  // As written, with the line end the system's texts carry.
  return std::u16string(buffer.data(), std::min<std::size_t>(length, buffer.size()));
}

void DebugTrace(std::u16string text) { ThisThreadHooks().lastTrace = std::move(text); }

const std::u16string& LastTraceText() { return ThisThreadHooks().lastTrace; }

}  // namespace zelvane::hooks::mWindowsHook
