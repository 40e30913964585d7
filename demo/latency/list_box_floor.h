#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "host/win32/unique_handle.h"

namespace zelvane::demo {

/// What a plain system list box costs for the rows of one case: the floors the
/// control's figures are read against.
struct FloorTimes {
  double fill_ms = 0;  // the rows put into a visible list box with its painting off
  double show_ms = 0;  // a hidden list box holding the rows shown top-most and painted
};

/// A floating LISTBOX of the drop-down's size and place, with nothing in front of
/// it: no subclass, no control, no events.
class ListBoxFloor {
 public:
  explicit ListBoxFloor(HWND owner);

  FloorTimes Measure(const std::vector<std::wstring>& rows);

 private:
  void Hide();

  win32::unique_hwnd list_;
};

}  // namespace zelvane::demo
