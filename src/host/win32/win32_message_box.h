#pragma once
// Before <windows.h>, whose MessageBox macro would rename the base class.
#include "host/message_box.h"
#include "host/win_types.h"

#include <functional>

namespace zelvane::win32 {

/// A modal MessageBoxW owned by the top-level window that holds the control. VB's
/// button, icon and default-button constants are MessageBox's own flags, and its
/// results (vbOK 1 to vbNo 7) are MessageBox's answers, so both pass unchanged.
class Win32MessageBox final : public host::MessageBox {
 public:
  /// `controlWindow` gives the control's window at the time of each call.
  explicit Win32MessageBox(std::function<host::Hwnd()> controlWindow) : controlWindow_(std::move(controlWindow)) {}
  std::int32_t MsgBox(std::u16string_view prompt, std::int32_t buttons, std::u16string_view title) override;

 private:
  std::function<host::Hwnd()> controlWindow_;
};

}  // namespace zelvane::win32
