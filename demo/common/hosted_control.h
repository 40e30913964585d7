#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "automation_object.h"
#include "ax_host_library.h"
#include "event_connection.h"

namespace zelvane::demo {

inline constexpr wchar_t kControlProgId[] = L"ZelvaneTextBox.Zelvane";

/// One ZelvaneTextBox control created by ProgID in an AtlAxWin child window, with an
/// event sink on its connection point for as long as it lives.
class HostedControl {
 public:
  HostedControl(const AxHostLibrary& ax, HWND parent, const RECT& where, std::wstring name,
                EventSink::Handler handler);

  const AutomationObject& object() const { return object_; }
  HWND host_window() const { return host_.get(); }
  /// The control's own window (its hWnd property), where the drop-down button lives.
  HWND control_window() const { return object_.GetHwnd(L"hWnd"); }
  HWND editor() const { return object_.GetHwnd(L"HwndEditor"); }
  HWND list() const { return object_.GetHwnd(L"HwndList"); }
  const std::wstring& name() const { return name_; }

 private:
  std::wstring name_;
  win32::unique_hwnd host_;  // destroyed last: it closes the control
  win32::com_ptr<IUnknown> control_;
  AutomationObject object_;
  EventConnection events_;  // destroyed first: unadvised while the control is alive
};

}  // namespace zelvane::demo
