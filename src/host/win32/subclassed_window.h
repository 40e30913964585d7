#pragma once
#include "host/win32/windows_api.h"

#include <optional>

#include "host/win32/subclass_handler.h"
#include "host/win32/unique_handle.h"
#include "host/win32/window_subclass.h"

namespace zelvane::win32 {

/// A system control window that this layer created and routes through a handler:
/// destroyed with this object, or let go when the system destroys it first (as
/// it does with the children of a window being destroyed).
class SubclassedWindow final : private SubclassHandler {
 public:
  /// Takes over `created`, which must be a window; its messages go to `handler`.
  SubclassedWindow(HWND created, SubclassHandler& handler);

  /// Null once the window is gone.
  HWND get() const noexcept { return window_.get(); }
  /// The window's own WS_VISIBLE, as VB's Visible reads: not whether its parent shows.
  bool Visible() const noexcept;
  /// A message the handler would only pass on, given straight to the window's
  /// own procedure (see WindowSubclass::SendPastHandler).
  LRESULT SendPastHandler(UINT msg, WPARAM wParam, LPARAM lParam) const;
  void Destroy() noexcept;
  /// Lets the window go, without its subclass, at the thread's next pass of its
  /// message loop (destroyed at once when another subclass would keep ours in its
  /// chain): the system drops what it still has queued for the thread about a window
  /// that is gone, such as a WinEvent for a screen reader's hook on the thread.
  void DestroyAtNextPass() noexcept;
  /// Takes over `created` in place of the window, which is destroyed unheard by the
  /// handler; the keyboard focus, if the old window had it, moves to `created` first.
  void Replace(HWND created) noexcept;

 private:
  LRESULT OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnSubclassedWindowGone() noexcept override;

  unique_hwnd window_;
  std::optional<WindowSubclass> subclass_;  // removed before the window is destroyed
  SubclassHandler& handler_;
};

}  // namespace zelvane::win32
