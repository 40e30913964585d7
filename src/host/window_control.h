#pragma once
#include "host/win_types.h"

namespace zelvane::host {

/// What any constituent control offers the drop-down: its window and its visibility.
class WindowControl {
 public:
  virtual ~WindowControl() = default;
  virtual Hwnd hWnd() const = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
};

}  // namespace zelvane::host
