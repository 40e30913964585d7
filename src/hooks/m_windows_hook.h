#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "hooks/c_mousel_param.h"
#include "hooks/i_windows_hook.h"
#include "host/window_system.h"

namespace zelvane::hooks {

/// Shares one thread-local Windows hook per hook type among the objects of the
/// component that want its events. All state is per thread.
namespace mWindowsHook {

/// Registers the client for the type, installing the thread's hook first if
/// needed. Raises 0x80040419 for unsupported types or a failed install, VB
/// error 5 for a type outside -1..14. The hook that `windows` installs keeps
/// using it, past the client that gave it: it must live as long as the thread's hooks.
bool AttachHook(host::WindowSystem& windows, IWindowsHook* client, std::int32_t hookType);
/// Removes the registration; removes the hook when the type has no client left.
void DetachHook(host::WindowSystem& windows, IWindowsHook* client, std::int32_t hookType);
/// During a WH_MOUSE dispatch, a copy of the mouse record at lParam; else null.
std::unique_ptr<cMouselParam> GetMouselParam(host::LParam lParam);
/// During a WH_CALLWNDPROC dispatch, a copy of the sent message at lParam; else none.
std::optional<host::CwpStruct> GetCallWndProcRecord(host::LParam lParam);
/// The hook type being dispatched now, 0 otherwise.
std::int32_t CurrentHookType();
/// The system's text for a Win32 error code, as FormatMessage writes it.
std::u16string WinErrorText(host::WindowSystem& windows, std::uint32_t code);

}  // namespace mWindowsHook
}  // namespace zelvane::hooks
