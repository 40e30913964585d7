#pragma once
#include "host/win32/windows_api.h"

#include <cstdint>

namespace zelvane::win32 {

/// The arguments of a VB mouse event: Button 1 left, 2 right, 4 middle (for a move
/// the buttons held, added up); Shift 1 Shift, 2 Ctrl, 4 Alt; X and Y in client pixels.
struct VbMouseArgs {
  std::int16_t button = 0;
  std::int16_t shift = 0;
  float x = 0;
  float y = 0;
};

/// Reads a WM_xBUTTONDOWN/UP, WM_xBUTTONDBLCLK or WM_MOUSEMOVE message.
VbMouseArgs MouseArgsFromMessage(UINT msg, WPARAM wParam, LPARAM lParam);

/// VB's Shift argument of key events, from the keyboard state of the message being handled.
std::int16_t KeyShiftState();

/// Whether any mouse button is still held after this mouse message.
bool AnyButtonHeld(WPARAM wParam);

}  // namespace zelvane::win32
