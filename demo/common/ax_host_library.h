#pragma once
#include <windows.h>

#include "host/win32/com_ptr.h"
#include "host/win32/unique_handle.h"

namespace zelvane::demo {

/// The system's ActiveX host window class "AtlAxWin" from atl.dll: a window whose
/// title is a ProgID creates, sites and in-place activates that control.
class AxHostLibrary {
 public:
  AxHostLibrary();
  AxHostLibrary(const AxHostLibrary&) = delete;
  AxHostLibrary& operator=(const AxHostLibrary&) = delete;

  /// The control that the host window `host` holds.
  win32::com_ptr<IUnknown> ControlOf(HWND host) const;

 private:
  using GetControlProc = HRESULT(WINAPI*)(HWND, IUnknown**);
  win32::unique_hmodule atl_;
  GetControlProc get_control_ = nullptr;
};

}  // namespace zelvane::demo
