#include "hooks/hook_errors.h"

#include "core/automation_error.h"
#include "core/vb_errors.h"
#include "hooks/m_windows_hook.h"

namespace zelvane::hooks {

std::u16string ExecutableName(host::WindowSystem& windows) {
  std::u16string name = windows.GetModuleFileNameW();
  const auto folderEnd = name.find_last_of(u"\\/");
  if (folderEnd != std::u16string::npos) name.erase(0, folderEnd + 1);
  const auto extension = name.rfind(u'.');
  if (extension != std::u16string::npos) name.erase(extension);
  return name;
}

void RaiseUnsupportedHookType(host::WindowSystem& windows) {
  throw core::AutomationError(kHookErrorNumber, ExecutableName(windows) + u".cQWIXHook", u"Unsupported Hook Type.");
}

void RaiseHookInstallFailed(host::WindowSystem& windows, std::uint32_t lastError) {
  std::u16string description = mWindowsHook::WinErrorText(windows, lastError);
  throw core::AutomationError(kHookErrorNumber, ExecutableName(windows) + u".mHook", std::move(description));
}

void RaiseHookTypeOutOfRange(host::WindowSystem& windows) {
  core::RaiseVbError(core::VbError::InvalidArgument, ExecutableName(windows) + u".mHook");
}

}  // namespace zelvane::hooks
