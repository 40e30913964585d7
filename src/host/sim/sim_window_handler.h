#pragma once
#include <cstdint>

#include "host/win_types.h"

namespace zelvane::sim {

/// What a window of the simulated desktop implements to receive its input and
/// messages. Every member has an empty default, so a test window overrides only
/// what it watches. The desktop calls these without holding any lock, so a
/// handler may call back into the desktop.
class SimWindowHandler {
 public:
  virtual ~SimWindowHandler() = default;

  /// A client-area mouse message (WM_MOUSEMOVE, WM_xBUTTONDOWN/UP/DBLCLK).
  /// `client` is in the window's client coordinates (outside it while the window
  /// has the capture). `button` is the message's button (1 left, 2 right,
  /// 4 middle) for downs, ups and double-clicks, and the mask of held buttons for
  /// moves. `shift` is VB's Shift mask (1 Shift, 2 Ctrl, 4 Alt).
  virtual void OnMouse(std::uint32_t /*msg*/, host::Point /*client*/, int /*button*/, int /*shift*/) {}
  /// WM_KEYDOWN to the focused window; a handler may change `vk`.
  virtual void OnKeyDown(int& /*vk*/, int /*shift*/) {}
  /// WM_KEYUP to the focused window.
  virtual void OnKeyUp(int& /*vk*/, int /*shift*/) {}
  /// WM_CHAR to the focused window; a handler may change or clear `ch`.
  virtual void OnChar(char16_t& /*ch*/) {}
  /// SendMessageW to this window.
  virtual host::LResult OnMessage(std::uint32_t /*msg*/, host::WParam /*wParam*/, host::LParam /*lParam*/) {
    return 0;
  }
  /// LBItemFromPt on this window: the row under a screen point, -1 if none.
  virtual int ItemFromPt(host::Point /*screen*/, bool /*autoScroll*/) { return -1; }
  /// The window's size changed (MoveWindow, or its border changed).
  virtual void OnSize() {}
  /// The window gained (true) or lost (false) the keyboard focus.
  virtual void OnFocus(bool /*gained*/) {}
  /// The mouse has left the window's client area (WM_MOUSELEAVE; every window tracks it).
  virtual void OnMouseLeave() {}
  /// WM_THEMECHANGED, sent to every window when the theme changes.
  virtual void OnThemeChanged() {}
  /// A monitor or a work area changed. Windows broadcasts it to top-level windows
  /// only; here every window hears it, as the host layer's windows do through a
  /// hidden top-level window of their own.
  virtual void OnScreenChanged() {}
};

}  // namespace zelvane::sim
