#pragma once
#include "host/win32/windows_api.h"

#include <memory>

#include "host/control_owner.h"

#include "host/win32/win32_list_box.h"
#include "host/win32/win32_surface.h"
#include "host/win32/win32_text_box.h"
#include "host/win32/win32_timer.h"

namespace zelvane::win32 {

/// The windows of one control, created together: the surface (hidden) under a
/// parent window, the text box and the hidden list box inside it, and the timer.
/// The COM object parks them under a window of its own and moves the
/// surface into the container's window when it is activated in place. Each
/// window holds `owner` while it handles a message, so none is destroyed
/// under the code of a message that raised an event.
class Win32ControlWindows {
 public:
  Win32ControlWindows(HWND parent, host::ControlOwner& owner);
  Win32ControlWindows(const Win32ControlWindows&) = delete;
  Win32ControlWindows& operator=(const Win32ControlWindows&) = delete;
  /// Destroys every window, the list box too wherever it floats; the list box
  /// object itself lives on while the drop-down holds it, without a window.
  ~Win32ControlWindows();

  Win32Surface& surface() noexcept { return surface_; }
  Win32TextBox& txt() noexcept { return txt_; }
  std::shared_ptr<Win32ListBox> lst() const noexcept { return lst_; }
  Win32Timer& tmr() noexcept { return tmr_; }

  /// Makes the surface a child of `parent` (the container's window, or back to a
  /// parking window). It keeps its position within the new parent.
  void SetContainerWindow(HWND parent);
  /// Outer rectangle of the surface in its parent's client pixels.
  void SetPosition(const RECT& posInParent);
  /// Shows the surface without activating it, or hides it.
  void Show(bool visible);
  HWND SurfaceHwnd() const noexcept { return surface_.hwnd(); }

 private:
  Win32Surface surface_;
  Win32TextBox txt_;
  std::shared_ptr<Win32ListBox> lst_;
  Win32Timer tmr_;
};

}  // namespace zelvane::win32
