#pragma once
#include <functional>

#include "host/win32/windows_api.h"

#include "host/win32/subclass_handler.h"
#include "host/win32/subclassed_window.h"

namespace zelvane::win32 {

/// A hidden top-level window that hears the broadcasts of a changed display, work
/// area or system setting (WM_DISPLAYCHANGE, WM_SETTINGCHANGE), which reach no
/// child window, no message-only window and no desktop child of child style.
class ScreenChangeListener final : private SubclassHandler {
 public:
  /// Raises an automation error when the window cannot be made.
  explicit ScreenChangeListener(std::function<void()> changed);
  ScreenChangeListener(const ScreenChangeListener&) = delete;
  ScreenChangeListener& operator=(const ScreenChangeListener&) = delete;

  /// Destroys the window now, and with it any further call of `changed`.
  void Destroy() noexcept { window_.Destroy(); }

 private:
  LRESULT OnSubclassMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

  std::function<void()> changed_;
  SubclassedWindow window_;
};

}  // namespace zelvane::win32
