#pragma once
#include <windows.h>

#include "host/control_owner.h"
#include "host/control_site.h"
#include "host/win32/registry_settings_store.h"
#include "host/win32/unique_handle.h"
#include "host/win32/win32_clock.h"
#include "host/win32/win32_control_windows.h"
#include "host/win32/win32_message_box.h"
#include "host/win32/win32_message_loop.h"
#include "host/win32/win32_screen.h"
#include "host/win32/win32_text_case.h"
#include "host/win32/win32_window_system.h"

namespace zelvane::com {

/// The real windows and system services of one control, and where its windows
/// are: parked in a hidden window of their own, or docked in a container's window.
class ControlServices {
 public:
  /// `owner` is held by the windows while they handle a message; it outlives them.
  explicit ControlServices(host::ControlOwner& owner);
  ControlServices(const ControlServices&) = delete;
  ControlServices& operator=(const ControlServices&) = delete;

  /// The bundle the portable control is built on; `container` outlives it.
  host::ControlSite Site(host::Container& container);
  win32::Win32Surface& Surface() { return windows_.surface(); }
  HWND SurfaceWindow() const { return windows_.SurfaceHwnd(); }
  HWND EditorWindow() { return reinterpret_cast<HWND>(windows_.txt().hWnd()); }

  /// Shows the control in `parent` at `pos` (the parent's client pixels).
  void Dock(HWND parent, const RECT& pos);
  void Move(const RECT& pos) { windows_.SetPosition(pos); }
  /// Hides the control back in the parking window.
  void Park();
  void FocusEditor() { SetFocus(EditorWindow()); }

 private:
  host::ControlOwner& owner_;
  win32::unique_hwnd parking_;
  win32::Win32ControlWindows windows_;
  win32::Win32Screen screen_;
  win32::RegistrySettingsStore settings_;
  win32::Win32Clock clock_;
  win32::Win32MessageBox messageBox_;
  win32::Win32MessageLoop messageLoop_;
  win32::Win32TextCase textCase_;
};

}  // namespace zelvane::com
