#include "host/win32/win32_message_box.h"

#include "host/win32/windows_api.h"

#include <string>

namespace zelvane::win32 {
namespace {

/// The control's top-level window when it is on screen; no owner otherwise (a
/// parked control's root is a message-only window, which cannot own a dialog).
HWND OwnerFor(HWND control) {
  HWND root = control ? ::GetAncestor(control, GA_ROOT) : nullptr;
  return root && ::IsWindowVisible(root) ? root : nullptr;
}

}  // namespace

std::int32_t Win32MessageBox::MsgBox(std::u16string_view prompt, std::int32_t buttons, std::u16string_view title) {
  const std::u16string text(prompt);
  const std::u16string caption(title);
  HWND owner = OwnerFor(controlWindow_ ? reinterpret_cast<HWND>(controlWindow_()) : nullptr);
  return ::MessageBoxW(owner, reinterpret_cast<LPCWSTR>(text.c_str()), reinterpret_cast<LPCWSTR>(caption.c_str()),
                       static_cast<UINT>(buttons));
}

}  // namespace zelvane::win32
