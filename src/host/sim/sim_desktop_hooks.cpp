// Hook chains, thread identities, last errors and the system message texts.
#include <algorithm>
#include <cstring>

#include "host/sim/sim_call_text.h"
#include "host/sim/sim_desktop.h"
#include "host/sim/sim_messages.h"

namespace zelvane::sim {
namespace {

struct SystemText {
  std::uint32_t code;
  std::u16string_view text;
};

// System texts end with CR LF, as FormatMessage writes them.
constexpr SystemText kSystemTexts[] = {
    {0, u"The operation completed successfully.\r\n"},
    {5, u"Access is denied.\r\n"},
    {6, u"The handle is invalid.\r\n"},
    {8, u"Not enough memory resources are available to process this command.\r\n"},
    {87, u"The parameter is incorrect.\r\n"},
    {1400, u"Invalid window handle.\r\n"},
    {1404, u"Invalid hook handle.\r\n"},
    {1426, u"Invalid hook procedure type.\r\n"},
    {1427, u"Invalid hook procedure.\r\n"},
    {1428, u"Cannot set nonlocal hook without a module handle.\r\n"},
};

}  // namespace

std::uint32_t SimDesktop::ThreadIdLocked() {
  const auto [it, added] = threadIds_.try_emplace(std::this_thread::get_id(), 0);
  if (added) it->second = static_cast<std::uint32_t>(threadIds_.size());
  return it->second;
}

std::uint32_t SimDesktop::GetCurrentThreadId() {
  std::lock_guard lock(mutex_);
  return ThreadIdLocked();
}

void SimDesktop::SetLastErrorLocked(std::uint32_t code) { lastErrors_[ThreadIdLocked()] = code; }

void SimDesktop::SetLastError(std::uint32_t code) {
  std::lock_guard lock(mutex_);
  SetLastErrorLocked(code);
}

std::uint32_t SimDesktop::GetLastError() {
  std::lock_guard lock(mutex_);
  const auto it = lastErrors_.find(ThreadIdLocked());
  return it == lastErrors_.end() ? 0 : it->second;
}

bool SimDesktop::FailingLocked(std::string_view function) {
  const auto it = failNext_.find(function);
  if (it == failNext_.end()) return false;
  SetLastErrorLocked(it->second);
  failNext_.erase(it);
  return true;
}

void SimDesktop::FailNext(std::string_view function, std::uint32_t errorCode) {
  std::lock_guard lock(mutex_);
  failNext_[std::string(function)] = errorCode;
}

void SimDesktop::FailNextHookInstall(std::uint32_t errorCode) { FailNext("SetWindowsHookExW", errorCode); }

host::HHook SimDesktop::SetWindowsHookExW(int idHook, host::HookProc lpfn, std::uintptr_t hmod,
                                          std::uint32_t dwThreadId) {
  std::lock_guard lock(mutex_);
  if (EnterFailingLocked(CallText("SetWindowsHookExW", idHook, hmod, dwThreadId))) return 0;
  std::uint32_t error = ERROR_SUCCESS;
  const bool knownThread = std::any_of(threadIds_.begin(), threadIds_.end(),
                                       [&](const auto& entry) { return entry.second == dwThreadId; });
  if (idHook < host::WH_MSGFILTER || idHook > host::WH_MOUSE_LL) {
    error = ERROR_INVALID_HOOK_FILTER;
  } else if (lpfn == nullptr) {
    error = ERROR_INVALID_FILTER_PROC;
  } else if (dwThreadId == 0 && hmod == 0) {
    error = ERROR_HOOK_NEEDS_HMOD;
  } else if (dwThreadId != 0 && !knownThread) {
    error = ERROR_INVALID_PARAMETER;
  }
  if (!RequireLocked(error == ERROR_SUCCESS, error)) return 0;
  ++hookInstalls_;
  return hooks_.Install(idHook, lpfn, hmod, dwThreadId);
}

bool SimDesktop::UnhookWindowsHookEx(host::HHook hhk) {
  std::lock_guard lock(mutex_);
  if (EnterFailingLocked(CallText("UnhookWindowsHookEx", hhk))) return false;
  if (!RequireLocked(hooks_.Remove(hhk), ERROR_INVALID_HOOK_HANDLE)) return false;
  ++hookRemovals_;
  return true;
}

host::LResult SimDesktop::CallNextHookEx(host::HHook hhk, int nCode, host::WParam wParam, host::LParam lParam) {
  host::HookProc next = nullptr;
  {
    std::lock_guard lock(mutex_);
    LogCallLocked(CallText("CallNextHookEx", hhk, nCode, wParam, lParam));
    if (hhk == 0) return 0;
    const auto* hook = hooks_.Next(hhk, ThreadIdLocked());
    if (hook == nullptr) return 0;
    next = hook->proc;
  }
  return next(nCode, wParam, lParam);
}

host::LResult SimDesktop::RunHookChain(int idHook, int nCode, host::WParam wParam, host::LParam lParam) {
  host::HookProc first = nullptr;
  {
    std::lock_guard lock(mutex_);
    const auto* hook = hooks_.First(ThreadIdLocked(), idHook);
    if (hook == nullptr) return 0;
    first = hook->proc;
  }
  return first(nCode, wParam, lParam);
}

std::vector<HookRecord> SimDesktop::Hooks() const {
  std::lock_guard lock(mutex_);
  return hooks_.All();
}

std::vector<host::HHook> SimDesktop::HookChain(std::uint32_t threadId, int idHook) const {
  std::lock_guard lock(mutex_);
  return hooks_.Chain(threadId, idHook);
}

int SimDesktop::HookInstallCount() const {
  std::lock_guard lock(mutex_);
  return hookInstalls_;
}

int SimDesktop::HookRemoveCount() const {
  std::lock_guard lock(mutex_);
  return hookRemovals_;
}

std::uint32_t SimDesktop::FormatMessageW(std::uint32_t dwFlags, std::uint32_t dwMessageId,
                                         std::uint32_t dwLanguageId, char16_t* lpBuffer, std::uint32_t nSize) {
  std::lock_guard lock(mutex_);
  LogCallLocked(CallText("FormatMessageW", dwFlags, dwMessageId, dwLanguageId, nSize));
  if (!RequireLocked((dwFlags & host::FORMAT_MESSAGE_FROM_SYSTEM) != 0 && lpBuffer != nullptr,
                     ERROR_INVALID_PARAMETER)) {
    return 0;
  }
  const auto* entry = std::find_if(std::begin(kSystemTexts), std::end(kSystemTexts),
                                   [&](const SystemText& t) { return t.code == dwMessageId; });
  // The text and its terminating NUL must fit.
  if (!RequireLocked(entry != std::end(kSystemTexts), ERROR_MR_MID_NOT_FOUND) ||
      !RequireLocked(entry->text.size() < nSize, ERROR_INSUFFICIENT_BUFFER)) {
    return 0;
  }
  std::copy(entry->text.begin(), entry->text.end(), lpBuffer);
  lpBuffer[entry->text.size()] = u'\0';
  return static_cast<std::uint32_t>(entry->text.size());
}

std::u16string SimDesktop::GetModuleFileNameW() {
  std::lock_guard lock(mutex_);
  LogCallLocked(CallText("GetModuleFileNameW"));
  return moduleFileName_;
}

void SimDesktop::SetModuleFileName(std::u16string path) {
  std::lock_guard lock(mutex_);
  moduleFileName_ = std::move(path);
}

}  // namespace zelvane::sim
