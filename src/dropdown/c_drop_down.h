#pragma once
#include <cstdint>
#include <memory>

#include "dropdown/drop_down_events.h"
#include "hooks/i_windows_hook.h"
#include "host/control_owner.h"
#include "host/window_control.h"
#include "host/window_system.h"

namespace zelvane::dropdown {

/// Lifts a control out of its form into a free-floating tool window and hides it
/// again by itself when a mouse button goes down anywhere outside it, and, once
/// told the window it belongs to, when the person moves on without a press here.
class cDropDown final : private hooks::IWindowsHook {
 public:
  /// `owner` owns the control this drop-down belongs to: the hook service holds
  /// the drop-down through it while the drop-down handles a click.
  cDropDown(host::WindowSystem& windows, host::ControlOwner& owner);
  ~cDropDown() override;
  cDropDown(const cDropDown&) = delete;
  cDropDown& operator=(const cDropDown&) = delete;

  void SetEvents(DropDownEvents* events) { events_ = events; }
  /// The window the drop-down belongs to, 0 for none. With one, a drop-down shown
  /// with AutoHide also hides when the thread loses activation to another thread or
  /// program (Alt+Tab, a press on another program's window: presses the mouse hook
  /// never sees), and when that window stops showing (it, or its form, is hidden or
  /// minimized). Takes effect at the next Show that attaches the hooks.
  void SetOwnerWindow(host::Hwnd hWnd) { ownerWindow_ = hWnd; }

  /// Never fails: a failing step ends Show silently.
  void Show(std::shared_ptr<host::WindowControl> Control, std::int32_t X, std::int32_t Y, std::int32_t Width,
            std::int32_t Height, bool AutoHide);
  /// Runs every step even past failures and always raises HideControl.
  void Hide();
  bool Shown() const { return hooked_; }

 private:
  /// Show's steps after taking the control; returns at the first that fails.
  void PlaceAndWatch(std::int32_t X, std::int32_t Y, std::int32_t Width, std::int32_t Height, bool AutoHide);
  /// MoveWindow, unless the window has that rectangle already; false when it fails.
  bool MoveUnlessThere(host::Hwnd hwnd, std::int32_t X, std::int32_t Y, std::int32_t Width, std::int32_t Height);
  void AddRef() noexcept override { owner_.HoldControl(); }
  void Release() noexcept override { owner_.ReleaseControl(); }
  std::int32_t HookProc(std::int32_t nCode, host::WParam wParam, host::LParam lParam, bool& bConsume) override;
  void OnMouse(host::WParam message, host::LParam lParam);
  /// Whether a message sent to a window of the thread means the person moved on.
  bool MovedOn(const host::CwpStruct& message);
  bool OwnerWindowShowing();
  /// Leaves the hooks; carries on past failures.
  void Unwatch() noexcept;

  host::WindowSystem& windows_;
  host::ControlOwner& owner_;
  DropDownEvents* events_ = nullptr;
  std::shared_ptr<host::WindowControl> control_;  // held from the latest Show on
  host::Rect windowRect_{};                       // read anew at each examined button-down
  bool hooked_ = false;                           // registered for WH_MOUSE
  host::Hwnd ownerWindow_ = 0;
  bool watchingMessages_ = false;                 // registered for WH_CALLWNDPROC too
};

}  // namespace zelvane::dropdown
