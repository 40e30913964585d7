#include "ax_host_library.h"

#include "com_error.h"

namespace zelvane::demo {

using win32::com_ptr;

AxHostLibrary::AxHostLibrary() : atl_(::LoadLibraryW(L"atl.dll")) {
  if (!atl_) ThrowLastError("LoadLibrary(atl.dll)");
  using InitProc = BOOL(WINAPI*)();
  auto init = reinterpret_cast<InitProc>(reinterpret_cast<void*>(::GetProcAddress(atl_.get(), "AtlAxWinInit")));
  get_control_ = reinterpret_cast<GetControlProc>(reinterpret_cast<void*>(::GetProcAddress(atl_.get(), "AtlAxGetControl")));
  if (!init || !get_control_) throw ComError(E_NOTIMPL, "atl.dll's AtlAxWinInit/AtlAxGetControl");
  if (!init()) ThrowLastError("AtlAxWinInit");
}

com_ptr<IUnknown> AxHostLibrary::ControlOf(HWND host) const {
  com_ptr<IUnknown> control;
  ThrowIfFailed(get_control_(host, control.put()), "AtlAxGetControl");
  return control;
}

}  // namespace zelvane::demo
