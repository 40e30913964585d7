#pragma once
#include "host/win32/windows_api.h"

#include "host/win32/subclass_handler.h"

namespace zelvane::win32 {

/// Routes the messages of a window this layer created (a system EDIT, LISTBOX or
/// STATIC) through a handler first, by putting a window procedure in front of the
/// class's. comctl32's subclassing looks its chain up in a window property on
/// every message, which is a round trip to the window server under Wine, and the
/// list box gets one message per row it is filled with; the window's own user
/// data, which these windows leave free, is read in-process. Removed when this
/// object goes or when the window is destroyed, whichever comes first.
class WindowSubclass {
 public:
  /// Raises an automation error when the window cannot be subclassed.
  WindowSubclass(HWND hwnd, SubclassHandler& handler);
  WindowSubclass(const WindowSubclass&) = delete;
  WindowSubclass& operator=(const WindowSubclass&) = delete;
  ~WindowSubclass();

  /// Gives the message to the window procedure the subclass stands in front of;
  /// what a handler calls for a message it does not consume. Needs only the
  /// window, so it may be called after the handler's object is gone.
  static LRESULT CallNext(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  /// Sends a message that the handler only passes on straight to the procedure
  /// behind it: under Wine a sent message costs two trips through the system's
  /// dispatch here, one to reach the subclass and one to leave it, which a list
  /// filled with thousands of rows pays per row. A later subclass in front of
  /// ours gets the message sent the ordinary way, so that it sees it.
  LRESULT SendPastHandler(UINT msg, WPARAM wParam, LPARAM lParam) const;
  /// Whether ours is the procedure in front, so that removing it gives the window
  /// its class's procedure back and leaves none of this module's code in its chain.
  bool Outermost() const noexcept;

 private:
  struct Link;  // what the window's user data points to; outlives this object
                // while some later subclass stands in front of ours
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  static void Unlink(HWND hwnd, Link* link) noexcept;

  HWND hwnd_;    // null once removed
  Link* link_;
};

}  // namespace zelvane::win32
