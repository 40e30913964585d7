#pragma once
#include <string>

#include "host/win_types.h"

namespace zelvane::host {

/// What a screen reader is told of the drop-down button, which is drawn rather
/// than a window of its own.
struct AccessibleButton {
  std::u16string name;
  std::u16string defaultAction;
  std::u16string keyboardShortcut;
  Rect location;  // surface client pixels
};

}  // namespace zelvane::host
