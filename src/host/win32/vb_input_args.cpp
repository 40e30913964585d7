#include "host/win32/vb_input_args.h"

#include <windowsx.h>

namespace zelvane::win32 {
namespace {

constexpr std::int16_t kVbLeft = 1;
constexpr std::int16_t kVbRight = 2;
constexpr std::int16_t kVbMiddle = 4;
constexpr std::int16_t kVbShift = 1;
constexpr std::int16_t kVbCtrl = 2;
constexpr std::int16_t kVbAlt = 4;

bool KeyHeld(int virtualKey) { return ::GetKeyState(virtualKey) < 0; }
bool KeyHeld(const BYTE (&keys)[256], int virtualKey) { return (keys[virtualKey] & 0x80) != 0; }

std::int16_t ButtonOfMessage(UINT msg, WPARAM wParam) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK: return kVbLeft;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: return kVbRight;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: return kVbMiddle;
    default: break;
  }
  std::int16_t held = 0;
  if (wParam & MK_LBUTTON) held |= kVbLeft;
  if (wParam & MK_RBUTTON) held |= kVbRight;
  if (wParam & MK_MBUTTON) held |= kVbMiddle;
  return held;
}

}  // namespace

VbMouseArgs MouseArgsFromMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  VbMouseArgs args;
  args.button = ButtonOfMessage(msg, wParam);
  if (wParam & MK_SHIFT) args.shift |= kVbShift;
  if (wParam & MK_CONTROL) args.shift |= kVbCtrl;
  // Mouse messages carry no Alt flag; the keyboard state of this message has it.
  if (KeyHeld(VK_MENU)) args.shift |= kVbAlt;
  args.x = static_cast<float>(GET_X_LPARAM(lParam));
  args.y = static_cast<float>(GET_Y_LPARAM(lParam));
  return args;
}

// One read of the whole keyboard state: each GetKeyState is a round trip to the
// window server under Wine, and every key relays two events.
std::int16_t KeyShiftState() {
  BYTE keys[256]{};
  if (!::GetKeyboardState(keys)) return 0;
  std::int16_t shift = 0;
  if (KeyHeld(keys, VK_SHIFT)) shift |= kVbShift;
  if (KeyHeld(keys, VK_CONTROL)) shift |= kVbCtrl;
  if (KeyHeld(keys, VK_MENU)) shift |= kVbAlt;
  return shift;
}

bool AnyButtonHeld(WPARAM wParam) { return (wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != 0; }

}  // namespace zelvane::win32
