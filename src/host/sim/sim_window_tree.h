#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "host/win_types.h"
#include "host/sim/sim_window_handler.h"

namespace zelvane::sim {

/// One window of the simulated desktop.
struct SimWindow {
  std::u16string className;
  std::u16string text;               // the window text (a label's caption)
  host::Hwnd parent = 0;
  std::vector<host::Hwnd> children;  // bottom to top
  std::intptr_t style = 0;           // WS_VISIBLE and WS_DISABLED live here, as on Win32
  std::intptr_t exStyle = 0;
  host::Rect rect{};                 // in the parent's client coordinates
  int border = 0;                    // non-client frame on each side
  SimWindowHandler* handler = nullptr;
};

/// The window tree: parents, z-order and geometry. Not locked; SimDesktop
/// guards it. Unknown handles are answered the Win32 way (false, 0, empty).
class SimWindowTree {
 public:
  SimWindowTree(int screenWidth, int screenHeight);

  host::Hwnd Desktop() const { return kDesktop; }
  host::Hwnd Create(std::u16string className, host::Hwnd parent, std::intptr_t style, std::intptr_t exStyle,
                    host::Rect rect, SimWindowHandler* handler);
  /// Removes the window and its descendants; returns the removed handles.
  std::vector<host::Hwnd> Destroy(host::Hwnd hwnd);
  const SimWindow* Find(host::Hwnd hwnd) const;
  SimWindow* Find(host::Hwnd hwnd);
  bool Contains(host::Hwnd hwnd) const { return Find(hwnd) != nullptr; }
  /// True when `ancestor` is `hwnd` or one of its ancestors.
  bool IsSelfOrAncestor(host::Hwnd ancestor, host::Hwnd hwnd) const;
  bool Reparent(host::Hwnd hwnd, host::Hwnd newParent);
  void BringToTop(host::Hwnd hwnd);
  bool Visible(host::Hwnd hwnd) const;
  /// Enabled itself and all its ancestors: what mouse and keyboard input need.
  bool EnabledForInput(host::Hwnd hwnd) const;
  host::Rect WindowRectOnScreen(host::Hwnd hwnd) const;
  host::Rect ClientRectOnScreen(host::Hwnd hwnd) const;
  host::Hwnd WindowFromPoint(host::Point screen) const;
  int ScreenWidth() const { return screen_.right; }
  int ScreenHeight() const { return screen_.bottom; }

 private:
  static constexpr host::Hwnd kDesktop = 0x10010;
  host::Hwnd ChildFromPoint(host::Hwnd parent, host::Point screen) const;

  host::Rect screen_;
  std::map<host::Hwnd, SimWindow> windows_;
  host::Hwnd nextHandle_ = 0x20020;
};

}  // namespace zelvane::sim
